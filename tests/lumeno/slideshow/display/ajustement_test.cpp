#include "Ajustement.h"

#include <gtest/gtest.h>

namespace {

struct Cas {
    const char* nom;
    double W, H;
    bool pleinEcran;
    double pw, ph;
    qint64 taille;
    double gauche, haut, largeur, hauteur;
    double nouvelleHauteur; // 0: the window keeps its height
};

} // namespace

TEST(SlideshowAjustement, PhotoFittingTable) {
    const double centrePortrait = (12000 * 0.993 - 5544) / 2;
    const Cas cas[] = {
        {"landscape fills the width", 12000, 9000, false, 3000, 2000, 900000, 0, 0, 11916, 7944, 0},
        {"portrait fills 92.4 % of the height, centred", 12000, 9000, false, 2000, 3000, 900000,
         centrePortrait, 0, 5544, 8316, 0},
        {"square is fitted by height and centred", 12000, 9000, false, 1000, 1000, 900000,
         (11916 - 8316) / 2.0, 0, 8316, 8316, 0},
        // Aspect exactly 1.1: fitted by height, left at 0 until a resize.
        {"aspect 1.1 stays left", 12000, 9000, false, 1100, 1000, 900000, 0, 0, 9147.6, 8316, 0},
        {"tiny file at a quarter, moved to 2000 / 1000", 12000, 9000, false, 3000, 2000, 5000, 2000, 1000,
         11916 / 4.0, 7944 / 4.0, 0},
        {"tiny file in a small window keeps its size", 5000, 4000, false, 3000, 2000, 5000, 2000, 1000, 4965,
         3310, 0},
        {"flat window grows to 8707 before fitting", 12000, 6000, false, 3000, 2000, 900000, 0, 0, 11916,
         7944, 8707.08},
        // 16:9 screen in full screen: no growth, and a 3:2 photo fitted by height stays whole.
        {"full-screen 16:9 keeps the photo whole", 28800, 16200, true, 6000, 4000, 900000,
         (28800 * 0.993 - 22453.2) / 2, 0, 22453.2, 14968.8, 0},
    };
    for (const Cas& c : cas) {
        const Ajustement::Resultat r =
            Ajustement::ajusterPhoto({c.W, c.H, c.pleinEcran}, c.pw, c.ph, c.taille);
        EXPECT_NEAR(r.photo.gauche, c.gauche, 0.01) << c.nom;
        EXPECT_NEAR(r.photo.haut, c.haut, 0.01) << c.nom;
        EXPECT_NEAR(r.photo.largeur, c.largeur, 0.01) << c.nom;
        EXPECT_NEAR(r.photo.hauteur, c.hauteur, 0.01) << c.nom;
        EXPECT_EQ(r.nouvelleHauteurFenetre.has_value(), c.nouvelleHauteur != 0) << c.nom;
        if (r.nouvelleHauteurFenetre)
            EXPECT_NEAR(*r.nouvelleHauteurFenetre, c.nouvelleHauteur, 0.01) << c.nom;
        // A photo of a real file never runs past the bottom of the window.
        const double H = r.nouvelleHauteurFenetre.value_or(c.H);
        if (c.taille >= 6000)
            EXPECT_LE(r.photo.haut + r.photo.hauteur, H + 0.01) << c.nom;
    }
}

TEST(SlideshowAjustement, FlatWindowInFullScreenDoesNotGrowAndPhotoFitsInside) {
    // Without the mend, 12000 x 6000 in full screen would draw a 3:2 photo 7944 high in 6000.
    const Ajustement::Resultat r = Ajustement::ajusterPhoto({12000, 6000, true}, 3000, 2000, 900000);
    EXPECT_FALSE(r.nouvelleHauteurFenetre);
    EXPECT_NEAR(r.photo.hauteur, 6000 * 0.924, 0.01);
    EXPECT_NEAR(r.photo.largeur, 6000 * 0.924 * 1.5, 0.01);
    EXPECT_NEAR(r.photo.gauche, (12000 * 0.993 - r.photo.largeur) / 2, 0.01);
}

TEST(SlideshowAjustement, ResizeRefitAndEmptyPicture) {
    // The resize refit centres what it fits by height, aspect 1.1 included, and has no tiny-file rule.
    const Ajustement::Geometrie g = Ajustement::reajuster(12000, 9000, 1100, 1000);
    EXPECT_NEAR(g.gauche, (11916 - 9147.6) / 2, 0.01);
    const Ajustement::Geometrie l = Ajustement::reajuster(12000, 9000, 3000, 2000);
    EXPECT_NEAR(l.gauche, 0, 0.01);
    EXPECT_NEAR(l.largeur, 11916, 0.01);
    // An empty picture gives an empty geometry, never a division by zero.
    const Ajustement::Geometrie vide = Ajustement::reajuster(12000, 9000, 0, 0);
    EXPECT_EQ(vide.largeur, 0);
    EXPECT_EQ(vide.hauteur, 0);
}
