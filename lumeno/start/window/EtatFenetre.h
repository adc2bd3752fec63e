#pragma once

#include <QRect>

// The main window's own state: its modes, its bar and the sizes it remembers.
struct EtatFenetre {
    int hautBarre = 0;      // top of the button row, twips
    bool barreTitre = true; // the window has its title bar
    bool pleinEcran = false;
    bool premierPlan = false; // always on top (nothing undoes it)
    int hauteurNormale = 0;   // remembered normal size, twips
    int largeurNormale = 0;
    bool zoom = false;                  // zoom mode of the photo
    QRect zoomReset;                    // the photo's fitted geometry, twips
    bool avalerProchaineTouche = false; // "Mode click souris"
    bool termine = false;               // the quit sequence ran
};
