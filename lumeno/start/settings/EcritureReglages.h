#pragma once

#include "ReglagesLumeno.h"

#include <QDate>
#include <QString>
#include <QStringList>

// What a catalogue scan found, as the settings file keeps it.
struct ResultatsScan {
    int nombreEnregistrements = 1; // rows + 1 (line 6)
    int anneeMaxi = 0;             // largest year, 0 when none
    int anneeMini = 9999;          // smallest year, 9999 when none
    int nombreMusiques = 0;        // lines of Lumeno4.ini
    int nombreMots = 1;            // the next-free index of the word table (distinct words + 1)
    int nombreAnnees = 1;          // the same for years
    int nombreMois = 1;            // the same for months
    QDate dateScan;                // invalid: today from the clock
};

// The 67 lines of Lumeno1.txt.
QStringList lignesReglages(const ResultatsScan& scan, const ReglagesLumeno& reglages,
                           const QString& dossierProgramme);

// Writes dossierProgramme/Lumeno1.txt through a temporary file: a failed write keeps the previous
// file and returns false with the reason in *erreur.
bool ecrireReglages(const QString& dossierProgramme, const ResultatsScan& scan,
                    const ReglagesLumeno& reglages, QString* erreur = nullptr);
