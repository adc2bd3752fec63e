#pragma once

#include <BlocExif.h>

#include <QString>

// Renaming a photo after its EXIF shooting date: AAAA-MM-JJ-HHMMSS-oldname.jpg (AAAAMMJJ-HHMMSS-…
// in the compact format).
namespace RenommageExif {

// The date text of the record: DateTimeDigitized, else DateTimeOriginal, else DateTime of IFD0;
// empty when none is there.
QString dateExif(const BlocExif& bloc);

// The name prefix of a date "AAAA:MM:JJ HH:MM:SS"; empty unless the text has that shape with digits,
// a year above 1800 and at most anneeMaxi, a month 01–12 and a day 01–31.
QString prefixe(const QString& date, bool compact, int anneeMaxi);

enum class Resultat {
    Renommee,
    Occupee, // a file of the new name is there: nothing renamed
    Echec,   // the file system refused the rename
};

// Renames ancien to nouveau in the same folder, never over an existing file.
Resultat renommer(const QString& ancien, const QString& nouveau);

} // namespace RenommageExif
