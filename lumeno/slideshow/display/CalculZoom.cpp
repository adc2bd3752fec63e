#include "CalculZoom.h"

#include <algorithm>
#include <cmath>

namespace CalculZoom {

Rectangle ordonner(double ax, double ay, double bx, double by) {
    return {std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by)};
}

std::optional<int> valeurBarre(const Rectangle& r, double largeur, double hauteur, double facteurActuel) {
    const double w = r.x1 - r.x0;
    const double h = r.y1 - r.y0;
    if (w < kRectangleMini || h < kRectangleMini)
        return std::nullopt;
    double f = (w / h > 1.1) ? largeur / w : hauteur / h;
    f = std::min(f, kFacteurMaxi);
    if (std::abs(f - facteurActuel) < 1e-9)
        f -= 0.1;
    // The bar holds tenths: 3.9 must give 39, not 38 through a rounding error.
    return static_cast<int>(std::floor(10.0 * f + 1e-9));
}

namespace {

// One side: the bar value and the position it may correct.
int barre(double& position, double tailleFenetre, double taillePhoto) {
    const double libre = tailleFenetre - taillePhoto;
    const double p = position * 100.0 / libre;
    if (p > 99) {
        position = libre;
        return 100;
    }
    if (p >= 1)
        return static_cast<int>(std::lround(p));
    position = 1;
    return 1;
}

} // namespace

std::optional<Position> appliquer(double f, double x0, double y0, double largeurNormale,
                                  double hauteurNormale, double W, double H) {
    Position p;
    p.largeur = f * largeurNormale;
    p.hauteur = f * hauteurNormale;
    p.gauche = 2000 - f * x0;
    p.haut = -f * y0;
    if (std::abs(H - p.hauteur) < 1e-9 || std::abs(W - p.largeur) < 1e-9)
        return std::nullopt;
    p.barreVerticale = barre(p.haut, H, p.hauteur);
    p.barreHorizontale = barre(p.gauche, W, p.largeur);
    return p;
}

double deplacement(double tailleFenetre, double taillePhoto, int valeur) {
    return (tailleFenetre - taillePhoto) * valeur / 100.0;
}

} // namespace CalculZoom
