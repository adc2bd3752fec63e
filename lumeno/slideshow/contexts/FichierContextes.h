#pragma once

#include "GrilleContextes.h"

#include <QString>
#include <QStringList>

// The contexts file Lumeno2.txt of the program folder and its backup Lumeno2-save.txt: six
// comma-separated fields a line, Windows-1252, CR LF.
namespace FichierContextes {

QString chemin(const QString& dossierProgramme);
QString cheminSauvegarde(const QString& dossierProgramme);

// The content written when the file is missing: two contexts, "Initial" (from 2003 on) and
// "Autre" (everything), then empty lines up to 202 lines.
QStringList contenuParDefaut();

// Writes the default file (ContexteCreation). False when it could not be written.
bool ContexteCreation(const QString& dossierProgramme, QString* erreur = nullptr);

// Reads the file into the grid (ChargemenContexte): fields are taken six at a time across line
// ends, file lines past 199 all land on row 201, the header captions are set and the first
// criteria line is held against the catalogue's year range. False when the file could not be read
// (the grid is then left empty but for its captions).
bool ChargemenContexte(GrilleContextes& grille, const QString& dossierProgramme, int anneeMaxi,
                       int anneeMini);

// The same reading from lines already in memory.
void remplirGrille(GrilleContextes& grille, const QStringList& lignes, int anneeMaxi, int anneeMini);

// The 200 lines the editor writes: rows 1 to 200, columns 1 to 6 joined by commas.
QStringList lignesAEcrire(const GrilleContextes& grille);

struct ResultatEnregistrement {
    bool ok = false;
    QString erreur; // why it failed, in French, for the message box
};

// Writes the grid to the file and then its backup, each through a temporary file renamed over
// the old one. On any failure both previous files are kept as they were.
ResultatEnregistrement enregistrer(const GrilleContextes& grille, const QString& dossierProgramme);

} // namespace FichierContextes
