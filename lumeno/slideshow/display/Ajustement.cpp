#include "Ajustement.h"

namespace Ajustement {

namespace {

constexpr double kPartLargeur = 0.993;
constexpr double kPartHauteur = 0.924;
constexpr double kAspectPaysage = 1.1;
constexpr double kFenetrePlate = 0.7;
constexpr double kHauteurPourPlate = 0.72559;
constexpr qint64 kPetitFichier = 6000;
constexpr double kGrandeTaille = 5000;

} // namespace

double echelle(double W, double H, double pw, double ph, bool* parHauteur) {
    if (parHauteur)
        *parHauteur = true;
    if (pw <= 0 || ph <= 0)
        return 0;
    const double a = pw / ph;
    const double sHauteur = H * kPartHauteur / ph;
    if (a > kAspectPaysage) {
        const double sLargeur = W * kPartLargeur / pw;
        // A width-fitted photo taller than the window would lose its top or bottom.
        if (ph * sLargeur <= H) {
            if (parHauteur)
                *parHauteur = false;
            return sLargeur;
        }
    }
    return sHauteur;
}

Resultat ajusterPhoto(const Fenetre& fenetre, double pw, double ph, qint64 tailleFichier) {
    Resultat r;
    const double W = fenetre.largeur;
    double H = fenetre.hauteur;
    if (W > 0 && H / W < kFenetrePlate && !fenetre.pleinEcran) {
        H = W * kHauteurPourPlate;
        r.nouvelleHauteurFenetre = H;
    }
    bool parHauteur = true;
    const double s = echelle(W, H, pw, ph, &parHauteur);
    Geometrie& g = r.photo;
    g.largeur = pw * s;
    g.hauteur = ph * s;
    const bool petit = tailleFichier < kPetitFichier;
    if (petit && (g.largeur > kGrandeTaille || g.hauteur > kGrandeTaille)) {
        g.largeur /= 4;
        g.hauteur /= 4;
    }
    // Portrait photos, and landscape ones fitted by height, are centred; a photo of aspect exactly
    // 1.1 stays at the left edge until the next resize refit.
    const double a = ph > 0 ? pw / ph : 0;
    if (a < kAspectPaysage || (a > kAspectPaysage && parHauteur))
        g.gauche = (W * kPartLargeur - g.largeur) / 2;
    if (petit) {
        if (g.gauche == 0)
            g.gauche = 2000;
        g.haut = 1000;
    }
    return r;
}

Geometrie reajuster(double W, double H, double pw, double ph) {
    Geometrie g;
    bool parHauteur = true;
    const double s = echelle(W, H, pw, ph, &parHauteur);
    g.largeur = pw * s;
    g.hauteur = ph * s;
    if (parHauteur)
        g.gauche = (W * kPartLargeur - g.largeur) / 2;
    return g;
}

} // namespace Ajustement
