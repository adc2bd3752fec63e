#pragma once

#include <QSize>

#include <optional>

// The size of a native window of another program, in pixels, asked of the window system (X11).
// Empty when that window does not exist (any more) or when the window system cannot say; the
// second case is told by fenetresNativesConnues().
namespace FenetreNative {

bool fenetresNativesConnues();
std::optional<QSize> taille(quintptr idFenetre);

} // namespace FenetreNative
