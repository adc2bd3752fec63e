#pragma once

#include <QString>

// A file name cut into base name and extension. Only a 3- or 4-letter extension makes a media file
// name; a name shorter than 5 characters never does.
struct AnatomieNom {
    bool media = false;
    QString base;        // the name without the dot and the extension
    QString baseMarquee; // the base name with a final space stored as the marker character
    QString extension;   // as read, not normalised
};

AnatomieNom decouperNom(const QString& nomFichier);

// Stored names are read back with their trailing spaces removed, so a final space of a base name is
// kept as the character of code 2.
inline constexpr QChar kMarqueEspaceFinal = QChar(2);

QString marquerEspaceFinal(const QString& base);
// The other way, for every path rebuilt from a stored name.
QString retablirEspaceFinal(const QString& nomStocke);
