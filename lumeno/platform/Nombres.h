#pragma once

#include <QString>

// Numbers in the program's texts: read as the value of their leading digits, written with a space
// before a non-negative value, as the old number-to-text conversion did.
namespace Nombres {

// Value of the leading digits after leading spaces; an optional sign before the digits is honoured;
// 0 when there are no digits. Values too large for 64 bits are clamped.
qint64 valeur(QStringView texte);

// Value as an int, clamped to the int range.
int valeurEntier(QStringView texte);

// " 2005", " 0", "-3".
QString texteSigne(qint64 n);

// 1-based slice of a fixed-position text: characters past the end read as spaces, so a short name
// never makes a position read fail.
QString milieu(QStringView texte, int position, int longueur);

// The single character at a 1-based position, a space past either end.
QChar caractere(QStringView texte, int position);

} // namespace Nombres
