#pragma once

#include <QtGlobal>

#include <optional>

// Fitting a photo to the main window, in twips. Pure computation: the display applies the result.
namespace Ajustement {

struct Geometrie {
    double gauche = 0;
    double haut = 0;
    double largeur = 0;
    double hauteur = 0;
};

struct Fenetre {
    double largeur = 0;      // W, twips
    double hauteur = 0;      // H, twips
    bool pleinEcran = false; // full screen: the window never grows
    bool operator==(const Fenetre&) const = default;
};

struct Resultat {
    // Set when the window is flatter than 0.7 and must be made taller before the photo is fitted.
    std::optional<double> nouvelleHauteurFenetre;
    Geometrie photo;
};

// Scale of a picture of pw x ph pixels in a window W x H. A landscape picture (aspect above 1.1)
// fills 99.3 % of the width, a portrait one 92.4 % of the height; a landscape picture that would
// then be taller than the window takes the height-fitted scale so that it stays whole.
// Returns 0 for an empty picture.
double echelle(double W, double H, double pw, double ph, bool* parHauteur = nullptr);

// The fitting of a photo shown by the slideshow: the flat-window growth, the scale, the tiny-file
// rule (a file under 6000 bytes is not blown up to full screen) and the placement.
Resultat ajusterPhoto(const Fenetre& fenetre, double pw, double ph, qint64 tailleFichier);

// The refit after a window resize: same scale, no growth, no tiny-file rule.
Geometrie reajuster(double W, double H, double pw, double ph);

} // namespace Ajustement
