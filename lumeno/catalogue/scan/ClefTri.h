#pragma once

#include <QString>

// The sort key of a catalogue row: year key, "-", month key, the folder below the root, then a
// part of the name that depends on how the file was dated. The catalogue order is the order of
// these keys, so a slideshow runs by year, month, folder and name, undated files last.
namespace ClefTri {

struct Entree {
    int code = 4;                // date code of the file (Valide)
    int annee = 0;               // Annee
    int mois = 0;                // Mois
    QString relatif;             // folder path below the root and its separator, empty in the root
    QString baseBourree;         // base name with its filler spaces
    int n = 0;                   // length of the base name before the filler
    QString type;                // stored extension
    bool triAlpha = false;       // ConfigCheckTri: counters of dated names sort as plain text
    bool jourEnSeptieme = false; // the declared pattern has its day at characters 7-8
};

// 2004 for a year above 1799, else 9999 (written "9999").
int cleAnnee(int annee);
// 0 to 12 (written "00" to "12"); any other month counts as 0.
int cleMois(int mois);

// The counter and rest of a dated name AAAA-MM-…: the leading digits after the 8th character padded
// with zeros to 10 characters, and the text after them. When the digits run to the name's last two
// characters there is no counter and the rest is those two characters.
struct CompteurReste {
    QString compteur;
    QString reste;
};
CompteurReste compteurEtReste(const QString& baseBourree);

QString construire(const Entree& e);

} // namespace ClefTri
