#include "AnimationApercu.h"

#include "Hasard.h"

#include <gtest/gtest.h>

namespace {

struct HasardFixe {
    explicit HasardFixe(double valeur) {
        Hasard::fixer([valeur] { return valeur; });
    }
    ~HasardFixe() { Hasard::fixer({}); }
};

} // namespace

TEST(screensaver_AnimationApercu, StartsAtOneOneWithSpeedsOneToThree) {
    for (double tirage : {0.0, 0.5, 0.99}) {
        HasardFixe hasard(tirage);
        AnimationApercu a;
        EXPECT_EQ(a.gauche(), 1);
        EXPECT_EQ(a.haut(), 1);
        EXPECT_EQ(a.texte(), QStringLiteral("Lumeno"));
        EXPECT_GE(a.dx(), 1);
        EXPECT_LE(a.dx(), 3);
        EXPECT_EQ(a.dx(), static_cast<int>(tirage * 3) + 1);
    }
}

TEST(screensaver_AnimationApercu, BouncesInsideASmallArea) {
    HasardFixe hasard(0.99); // speed 3: 30 twips a tick
    AnimationApercu a;
    const int largeur = 1500, hauteur = 1000, texteL = 600, texteH = 400;
    bool vuDroite = false, vuBas = false;
    for (int i = 0; i < 299; ++i) {
        a.tic(largeur, hauteur, texteL, texteH);
        EXPECT_GT(a.gauche(), -31);
        EXPECT_LT(a.gauche() + texteL, largeur + 31);
        EXPECT_GT(a.haut(), -31);
        EXPECT_LT(a.haut() + texteH - 50, hauteur + 31);
        vuDroite = vuDroite || a.dx() < 0;
        vuBas = vuBas || a.dy() < 0;
    }
    EXPECT_TRUE(vuDroite);
    EXPECT_TRUE(vuBas);
}

TEST(screensaver_AnimationApercu, ChangesItsWordEveryThreeHundredTicks) {
    HasardFixe hasard(0.0);
    AnimationApercu a;
    QStringList vus;
    for (int i = 1; i <= 300 * 8; ++i) {
        a.tic(100000, 100000, 600, 400);
        if (i % 300 == 0) {
            vus << a.texte();
            EXPECT_EQ(a.gauche(), 1);
            EXPECT_EQ(a.haut(), 1);
        } else if (i % 300 == 299) {
            EXPECT_EQ(a.gauche(), 1 + 299 * 10); // speed 1
        }
    }
    EXPECT_EQ(vus, (QStringList{"Photos", "Lumeno", "Vidéo", "Diaporama", "Ecran Veille", "Musique", "Lumeno",
                                "Photos"}));
}
