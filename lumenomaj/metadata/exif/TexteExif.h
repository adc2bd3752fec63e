#pragma once

#include "EntreeIfd.h"

#include <QString>
#include <optional>

// Texts of EXIF values for the metadata window. Numbers follow the default QLocale (a decimal comma
// on a French system), without group separators.

// Every component in turn, joined with ",": bytes and integers in decimal, rationals as "n/d", an
// ASCII value as its characters, an UNDEFINED value as "0x" and two hexadecimal digits a byte.
QString texteGenerique(const QByteArray& donnees, quint32 count, quint16 type);

// The first component as a number; a rational with a zero denominator, ASCII and UNDEFINED give none.
std::optional<double> nombreValeur(const QByteArray& donnees, quint16 type);

// A number in the locale's format.
QString texteNombre(double nombre);

// The text of an XP field (UTF-16 little-endian, up to the first zero unit).
QString texteXp(const QByteArray& donnees);

// An ASCII value as text: UTF-8 when the bytes are valid UTF-8, else Windows-1252; trailing zero bytes
// are not part of the text.
QString texteAscii(const QByteArray& donnees);
