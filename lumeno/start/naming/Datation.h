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

// What the dating takes from a file's folder: it depends on the folder alone, so a scan works it
// out once per folder and shares it among the folder's files.
struct DatationDossier {
    int annee = 0;             // the first year of the folder path below the root, 0 when none
    int mois = 0;              // the month word found with that year
    QString texteMotsDate;     // the folder words text of a file dated by the folder
    QString texteMotsSansDate; // the folder words text of every other file
};

// dossier: the file's folder path ("/" separators); racine: longueurRacine() of the root it was
// found under; anneeMaxi: the newest year accepted (N, read once by the caller).
DatationDossier daterDossier(const QString& dossier, int racine, int anneeMaxi);

// Dates a file from its name, the declared pattern and its folder path.
// base: the base name with the trailing-space marker applied; n: its length; dossier: the file's
// folder path ("/" separators); racine: longueurRacine() of the root it was found under.
Datation dater(const QString& base, int n, const QString& dossier, int racine, const FormatDeclare& format);
// The same with the folder already worked out and N given.
Datation dater(const QString& base, int n, const DatationDossier& dossier, const FormatDeclare& format,
               int anneeMaxi);

// Years accepted from names and folders run up to N = the current year + 1 (from the clock).
bool anneeNomValide(int annee);     // dated names: 1799 < year <= N
bool anneeDossierValide(int annee); // folder paths: 1801 <= year <= N

// The month-word search: finds the leftmost month word or two-digit month ("Juin", "Mar", "07"...),
// blanks the matched characters in the text and returns the month, or 0 when none matches.
int chercherMotMois(QString& texte);

// The folder part of the words: trimmed, "Invite" blanked, trimmed again, dropped below 5 characters.
QString nettoyerTexteMotsDossier(const QString& texte);
