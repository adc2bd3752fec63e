#include "DispositionFenetre.h"
#include "RoutageClavier.h"

#include <Qt>

#include <gtest/gtest.h>

namespace {

TEST(WindowDisposition, ButtonRowDropsOutOfSightInASmallWindowAndComesBack) {
    struct Cas {
        int W, H;
        bool barreTitre;
        int haut;
    };
    const Cas cas[] = {
        {6000, 6000, true, 9000},    {7000, 7000, false, 9000},    {7001, 6000, true, 5150},
        {15000, 11000, true, 10150}, {15000, 11000, false, 10600},
    };
    for (const Cas& c : cas) {
        EntreeDisposition e;
        e.largeur = c.W;
        e.hauteur = c.H;
        e.barreTitre = c.barreTitre;
        EXPECT_EQ(Disposition::calculer(e).hautBarre, c.haut) << c.W << "x" << c.H;
    }
}

TEST(WindowDisposition, MessagesAndScreensFollowTheWidth) {
    EntreeDisposition e;
    e.largeur = 6900;
    e.hauteur = 9000;
    e.gaucheMessage = 120;
    e.gaucheMessageBas = 3000;
    Disposition d = Disposition::calculer(e);
    EXPECT_TRUE(d.cacherMessage);
    EXPECT_EQ(d.largeurMessageTexte, 4900);
    EXPECT_EQ(d.largeurMessage, 6280);
    EXPECT_EQ(d.largeurMessageBas, 3400);
    EXPECT_EQ(d.recherche.largeurListe, 4095);
    EXPECT_EQ(d.recherche.largeurMusiquesListeMP3, 2415);
    EXPECT_EQ(d.largeurFrame4, 5900);
    EXPECT_EQ(d.largeurAjoutTexte, 4900);
    EXPECT_FALSE(d.image.has_value()); // no picture: no refit

    e.largeur = 15000;
    d = Disposition::calculer(e);
    EXPECT_FALSE(d.cacherMessage);
    EXPECT_EQ(d.recherche.largeurListe, 5295);
    EXPECT_EQ(d.recherche.gaucheDir4Frame, 5640);
    EXPECT_EQ(d.recherche.gauchePlaylistFrame, 5640);
    EXPECT_EQ(d.recherche.gaucheLabelMusiquesListeRecherche, 11500);
    EXPECT_EQ(d.recherche.largeurMusiquesListeMP3, 3600);
    EXPECT_EQ(d.largeurWebBrowser1, 14900);
    EXPECT_EQ(d.hauteurWebBrowser1, 8000);
    EXPECT_EQ(d.hscroll2, QRect(15000 - 3750 - 400, 8100, 3750, Disposition::epaisseurBarreZoom));
    EXPECT_EQ(d.vscroll2.top(), 9000 - 2250 - 650);
    EXPECT_EQ(d.vscroll1.height(), 1125);
}

TEST(WindowDisposition, PhotoIsFittedByWidthOrByHeight) {
    struct Cas {
        int W, H;
        QSize image;
        QRect attendu;
    };
    const Cas cas[] = {
        {15000, 12000, QSize(3000, 2000), QRect(0, 0, 14895, 9930)}, // landscape: full width at left 0
        {15000, 12000, QSize(2000, 3000),
         QRect(3752, 0, 7392, 11088)}, // portrait: 92.4 % of the height, centred
        {15000, 12000, QSize(1000, 1000), QRect(1904, 0, 11088, 11088)}, // square (1.0): by height
        // Aspect 1.2 in a low window: fitted by width it would be taller than the window.
        {15000, 11000, QSize(1200, 1000), QRect(1349, 0, 12197, 10164)},
    };
    for (const Cas& c : cas) {
        EntreeDisposition e;
        e.largeur = c.W;
        e.hauteur = c.H;
        e.image = c.image;
        const Disposition d = Disposition::calculer(e);
        ASSERT_TRUE(d.image.has_value());
        EXPECT_EQ(*d.image, c.attendu) << c.image.width() << "x" << c.image.height();
    }
}

TEST(WindowClavier, KeysAreRoutedInTheirOrder) {
    EtatClavier e;
    e.ecransVisibles = {"Frame2", "Frame1", "Frame7"};
    ActionClavier a = ActionClavier::pour(Qt::Key_Escape, e);
    EXPECT_EQ(a.ecranAnnule, "Frame1");
    EXPECT_TRUE(a.consommee);

    e.ecransVisibles = {"Frame7", "Frame5_Php"};
    EXPECT_EQ(ActionClavier::pour(Qt::Key_Escape, e).ecranAnnule, "Frame5_Php");

    e.ecransVisibles = {};
    a = ActionClavier::pour(Qt::Key_Escape, e);
    EXPECT_TRUE(a.resetZoomEtPause);
    EXPECT_TRUE(a.ecranAnnule.isEmpty());

    // Zoom ends before the key is handled.
    e.zoom = true;
    a = ActionClavier::pour(Qt::Key_A, e);
    EXPECT_TRUE(a.finZoom);
    EXPECT_FALSE(a.consommee);
    e.zoom = false;

    EXPECT_TRUE(ActionClavier::pour(Qt::Key_F1, e).aide);
    e.texteAideVisible = true;
    EXPECT_FALSE(ActionClavier::pour(Qt::Key_F1, e).aide);

    EXPECT_FALSE(ActionClavier::pour(Qt::Key_Return, e).rechercheEtDiaporama);
    e.ecransVisibles = {"Frame2"};
    EXPECT_TRUE(ActionClavier::pour(Qt::Key_Return, e).rechercheEtDiaporama);
    EXPECT_TRUE(ActionClavier::pour(Qt::Key_Enter, e).rechercheEtDiaporama);

    // The screen saver: any key but the space bar quits.
    e.veille = true;
    EXPECT_TRUE(ActionClavier::pour(Qt::Key_A, e).quitter);
    EXPECT_FALSE(ActionClavier::pour(Qt::Key_Space, e).quitter);

    // After "Mode click souris" one key is swallowed, whatever it is.
    e.avalerProchaine = true;
    a = ActionClavier::pour(Qt::Key_Escape, e);
    EXPECT_TRUE(a.avalee);
    EXPECT_FALSE(a.quitter);
}

} // namespace
