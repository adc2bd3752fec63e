#pragma once

#include "PresenceFichiers.h"

#include <QString>

// The program-wide state that start-up sets and the rest of the program reads.
struct EtatDemarrage {
    QString dossierProgramme;      // every data file is addressed from here
    QString dossierExecutable;     // where the running program file lies
    bool drapeauRacine = false;    // ends start-up on the search screen instead of a slideshow
    bool drapeauUnc = false;       // network path
    bool modeVeille = false;       // ModeVeille: "/s"
    bool veilleActive = false;     // VeilleActive: the screen saver found its copy of the settings
    bool veilleAleatoire = false;  // VeilleAleatoire
    bool relanceInstance = false;  // RelanceInstance: this start closed an earlier one
    bool relanceApresScan = false; // the chain restarts after a scan: no new automatic-scan question
    bool voix = true;              // the voice flag
    QString messageEntree;         // the entry's error text for the bottom line
    QString prefixeMessageBas;     // ". " once the program folder is being checked
    QString fichierLigneCommande;  // the file given on the command line
    QString dossierLigneCommande;  // its folder
    bool musiqueLigneCommande = false;
    bool videoLigneCommande = false;
    PresenceFichiers presence;        // presence.programme is ModeCatalogue
    bool programmeVuAuDepart = false; // ModeCatalogue before the command-line handling
    bool visionneusePresente = true;  // thumbnails and rotation are done in-process
    int differe = 0;                  // DeferredAction: the state of Timer2
};

// What the screen saver's start brought (its word, year and skip count).
struct EtatVeille {
    QString mot;
    QString annee;
    int saut = 0; // SautDiaporama before its random draw
    int intervalleSecondes = 0;
    bool web = false;
};
