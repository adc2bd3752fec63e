#pragma once

#include <QString>

// The settings the slideshow reads; the main window keeps them up to date from the settings file
// and the configuration screen.
struct ReglagesDiaporama {
    int AnneeMini = 1990;
    int AnneeMaxi = 2010;
    bool ConfigCheck7 = false;  // "Impose WindowsMediaPlayer pour lecture AVI et MPG"
    bool ConfigCheck11 = false; // "Création Automatique des Miniatures"
    bool VocaleCheck19 = false; // "Active la Synthèse Vocale"
    bool voixDisponible = false;
    bool MusiquePossible = false;   // music allowed
    bool MusiquePermanente = false; // permanent background music
    QString CouleurTexteHtml;       // "Rouge", "Bleu", "Vert", "Jaune" or anything else
    bool LumenoPresent = true;      // the program file was present at start-up (ModeCatalogue's start value)
    // The external viewer is present: thumbnails are made in-process, so always.
    bool visionneusePresente = true;
};
