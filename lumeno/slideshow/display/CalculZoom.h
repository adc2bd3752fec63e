#pragma once

#include <optional>

// The arithmetic of the zoom rectangle and of the zoom and pan bars, in twips. Pure computation.
namespace CalculZoom {

// Smallest width and height of a rectangle that zooms; a smaller one puts the photo back.
constexpr double kRectangleMini = 400;
constexpr double kFacteurMaxi = 4.0;

struct Rectangle {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0; // ordered: (x0, y0) the smaller corner
};

// Orders two corners so that the first holds the smaller x and y.
Rectangle ordonner(double ax, double ay, double bx, double by);

// The zoom bar value chosen for a released rectangle over a photo shown at largeur x hauteur, or
// nothing when the rectangle is too small (the photo goes back to its fitted size). The factor is
// capped at 4 and, when it equals the factor in force, lowered by 0.1 so that the bar moves.
// The result may lie below the bar's minimum of 10 (a rectangle larger than the photo).
std::optional<int> valeurBarre(const Rectangle& r, double largeur, double hauteur, double facteurActuel);

struct Position {
    double gauche = 0, haut = 0, largeur = 0, hauteur = 0;
    int barreHorizontale = 1; // HScroll2, 1 to 100
    int barreVerticale = 1;   // VScroll2, 1 to 100
};

// The photo enlarged by f around the rectangle corner (x0, y0): the chosen area moves to 2000 twips
// from the window's left edge and to its top, and the pan bars follow. Nothing when the photo
// exactly fills a side (no travel to express as a percentage).
std::optional<Position> appliquer(double f, double x0, double y0, double largeurNormale,
                                  double hauteurNormale, double W, double H);

// Pan: the position along one side for a bar value of 1 to 100.
double deplacement(double tailleFenetre, double taillePhoto, int valeur);

} // namespace CalculZoom
