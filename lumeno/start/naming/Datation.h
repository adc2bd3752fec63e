#pragma once

#include "FormatDeclare.h"

#include <QString>

// How a file's year and month were found; stored in the catalogue field Valide.
enum CodeDate : int {
    DateNomStandard = 1,       // AAAA-MM... (or AAAA_MM, AAAA MM)
    DateFormatDeclare = 2,     // the declared pattern
    DateDossier = 3,           // a year in the folder path below the root
    SansDate = 4,              // none: year 0, month 0
    DateNomSansSeparateur = 5, // AAAAMM...
};

struct Datation {
    int code = SansDate;
    int annee = 0;
    int mois = 0;             // 0 to 12
    QString baseBourree;      // the base name, with ten spaces appended when shorter than 10
    QString texteMotsDossier; // the folder part of the file's words (empty when dropped)
};

// Length of a root path as the dating counts it: the path without a final "/" ("/" gives 0,
// "/home/anne/Photos/" gives 17).
int longueurRacine(const QString& racine);

// Dates a file from its name, the declared pattern and its folder path.
// base: the base name with the trailing-space marker applied; n: its length; dossier: the file's
// folder path ("/" separators); racine: longueurRacine() of the root it was found under.
Datation dater(const QString& base, int n, const QString& dossier, int racine, const FormatDeclare& format);

// Years accepted from names and folders run up to N = the current year + 1 (from the clock).
bool anneeNomValide(int annee);     // dated names: 1799 < year <= N
bool anneeDossierValide(int annee); // folder paths: 1801 <= year <= N

// The month-word search: finds the leftmost month word or two-digit month ("Juin", "Mar", "07"...),
// blanks the matched characters in the text and returns the month, or 0 when none matches.
int chercherMotMois(QString& texte);

// The folder part of the words: trimmed, "Invite" blanked, trimmed again, dropped below 5 characters.
QString nettoyerTexteMotsDossier(const QString& texte);
