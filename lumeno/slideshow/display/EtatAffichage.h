#pragma once

#include "CalculZoom.h"

// Display state of the photo: its fitted geometry (twips), the zoom and the rectangle being dragged.
struct EtatAffichage {
    bool PhotoAffichee = false; // a photo has been drawn: the click and zoom handlers act from then on
    double LargeurNormale = 0;
    double HauteurNormale = 0;
    double GaucheNormale = 0;
    double FacteurZoom = 0;            // the zoom bar's value / 10 once a zoom was applied
    CalculZoom::Rectangle coins;       // press and release points, relative to the photo (twips)
    double dernierX = 0, dernierY = 0; // last drag point
    bool SelectionEnCours = false;
    bool ZoomActif = false;
    bool ZoomEnCalcul = false;
    bool TailleNormale = true;
    bool IgnoreRelache = false;
};
