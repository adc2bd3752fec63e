#pragma once

#include <QString>

// How the slideshow shows an item, from its stored extension (case-exact, as the catalogue stores it).
namespace TypesMedia {

enum class Genre { VideoAvi, VideoMpeg, Son, Musique, QuickTime, Texte, Photo };

Genre genre(const QString& type);

// "JPG", "Jpg" or "jpg".
bool estJpeg(const QString& type);

} // namespace TypesMedia
