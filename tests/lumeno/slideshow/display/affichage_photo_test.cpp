#include "AffichagePhoto.h"
#include "ChargeurPhoto.h"
#include "DossierTest.h"
#include "ImagePhoto.h"
#include "PrechargeurPhoto.h"
#include "Twips.h"

#include <QLabel>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A JPEG of w x h with noise, so that it weighs well above the tiny-file limit.
QString photoBruit(DossierTest& d, const QString& nom, int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator g(42);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 255 / w, g.bounded(256), y * 255 / h));
    const QString chemin = d.chemin(nom);
    EXPECT_TRUE(image.save(chemin, "JPG", 90));
    return chemin;
}

struct Fenetre {
    QWidget fenetre;
    ImagePhoto* image = new ImagePhoto(&fenetre);
    QLabel* message = new QLabel(&fenetre);
    QLabel* messageBas = new QLabel(&fenetre);
    QScrollBar* zoom = new QScrollBar(Qt::Vertical, &fenetre);
    QScrollBar* panV = new QScrollBar(Qt::Vertical, &fenetre);
    QScrollBar* panH = new QScrollBar(Qt::Horizontal, &fenetre);
    std::unique_ptr<AffichagePhoto> affichage;
    int pauses = 0, avances = 0, reculs = 0, menus = 0, pleinEcran = 0, fenetreNormale = 0;
    bool clickSouris = false;
    bool maximisee = false;

    // 800 x 600 pixels: 12000 x 9000 twips at 96 dpi.
    Fenetre() {
        fenetre.resize(800, 600);
        zoom->setRange(10, 40);
        panV->setRange(1, 100);
        panH->setRange(1, 100);
        for (QWidget* w :
             {static_cast<QWidget*>(zoom), static_cast<QWidget*>(panV), static_cast<QWidget*>(panH)})
            w->hide();
        VuePhoto vue;
        vue.fenetre = &fenetre;
        vue.Image1 = image;
        vue.Message = message;
        vue.MessageBas = messageBas;
        vue.VScroll1 = zoom;
        vue.VScroll2 = panV;
        vue.HScroll2 = panH;
        affichage = std::make_unique<AffichagePhoto>(vue);
        affichage->actions.pause = [this] { ++pauses; };
        affichage->actions.pasEnAvant = [this] { ++avances; };
        affichage->actions.pasEnArriere = [this] { ++reculs; };
        affichage->actions.modeClickSouris = [this] { return clickSouris; };
        affichage->actions.ouvrirMenu = [this](QPoint) { ++menus; };
        affichage->actions.ecranPlein = [this] { ++pleinEcran; };
        affichage->actions.fenetreNormale = [this] { ++fenetreNormale; };
        affichage->actions.fenetreMaximisee = [this] { return maximisee; };
        fenetre.show();
    }
    double dpi() const { return fenetre.logicalDpiX(); }
    int px(double twips) const { return Twips::versPixels(twips, dpi()); }
    double W() const { return Twips::depuisPixels(fenetre.width(), dpi()); }
    double H() const { return Twips::depuisPixels(fenetre.height(), dpi()); }
    void glisser(QPoint de, QPoint a) {
        QTest::mousePress(image, Qt::LeftButton, {}, de);
        QTest::mouseMove(image, (de + a) / 2);
        QTest::mouseMove(image, a);
        QTest::mouseRelease(image, Qt::LeftButton, {}, a);
    }
};

} // namespace

TEST(SlideshowAffichage, FitsAndDrawsAtTheShownSize) {
    DossierTest d;
    const QString paysage = photoBruit(d, "paysage.jpg", 600, 400);
    Fenetre f;
    ASSERT_EQ(f.affichage->afficher(paysage), ChargeurPhoto::Etat::Affichable);
    const Ajustement::Resultat attendu = Ajustement::ajusterPhoto({f.W(), f.H(), false}, 600, 400, 100000);
    EXPECT_EQ(f.image->geometry(), QRect(0, 0, f.px(attendu.photo.largeur), f.px(attendu.photo.hauteur)));
    // Decoded at the shown size, not at the file's.
    EXPECT_EQ(f.image->image().size(), f.image->size());
    EXPECT_TRUE(f.affichage->etat().PhotoAffichee);
    EXPECT_NEAR(f.affichage->etat().LargeurNormale, attendu.photo.largeur, 0.01);

    const QString portrait = photoBruit(d, "portrait.jpg", 400, 600);
    ASSERT_EQ(f.affichage->afficher(portrait), ChargeurPhoto::Etat::Affichable);
    EXPECT_GT(f.image->x(), 0); // centred
    EXPECT_EQ(f.image->y(), 0);
}

TEST(SlideshowAffichage, FlatWindowGrowsAndMissingOrBrokenFilesAreTold) {
    DossierTest d;
    const QString photo = photoBruit(d, "p.jpg", 600, 400);
    Fenetre f;
    f.fenetre.resize(800, 400); // ratio 0.5
    ASSERT_EQ(f.affichage->afficher(photo), ChargeurPhoto::Etat::Affichable);
    EXPECT_EQ(f.fenetre.height(), f.px(f.W() * 0.72559));

    EXPECT_EQ(f.affichage->afficher(d.chemin("absente.jpg")), ChargeurPhoto::Etat::Absent);
    const QString casse = d.fichier("casse.jpg", QByteArray("\xFF\xD8 pas une image", 17));
    EXPECT_EQ(f.affichage->afficher(casse), ChargeurPhoto::Etat::Illisible);
}

TEST(SlideshowAffichage, NoRefitWithoutPicture) {
    Fenetre f;
    const QRect avant = f.image->geometry();
    f.affichage->reajuster();
    EXPECT_EQ(f.image->geometry(), avant);
}

TEST(SlideshowAffichage, ResizeRefitsTheShownPhoto) {
    DossierTest d;
    const QString photo = photoBruit(d, "p.jpg", 600, 400);
    Fenetre f;
    ASSERT_EQ(f.affichage->afficher(photo), ChargeurPhoto::Etat::Affichable);
    f.fenetre.resize(1000, 900);
    f.affichage->reajuster();
    const Ajustement::Geometrie g = Ajustement::reajuster(f.W(), f.H(), 600, 400);
    EXPECT_EQ(f.image->geometry(), QRect(f.px(g.gauche), 0, f.px(g.largeur), f.px(g.hauteur)));
}

TEST(SlideshowAffichage, ZoomByRectangleThenBackToFitted) {
    DossierTest d;
    const QString photo = photoBruit(d, "p.jpg", 2400, 1600);
    Fenetre f;
    ASSERT_EQ(f.affichage->afficher(photo), ChargeurPhoto::Etat::Affichable);
    const QRect ajustee = f.image->geometry();
    const EtatAffichage& e = f.affichage->etat();

    // A tenth of the photo's width: x4 at most.
    const int dixieme = ajustee.width() / 10;
    f.glisser(QPoint(100, 100), QPoint(100 + dixieme, 100 + dixieme * 2 / 3));
    EXPECT_EQ(f.zoom->value(), 40);
    EXPECT_TRUE(e.ZoomActif);
    EXPECT_FALSE(e.TailleNormale);
    EXPECT_TRUE(f.zoom->isVisible() && f.panV->isVisible() && f.panH->isVisible());
    EXPECT_NEAR(f.image->width(), 4 * ajustee.width(), 2);
    // The chosen area moved 2000 twips from the left edge.
    EXPECT_NEAR(f.image->x(), f.px(2000 - 4 * Twips::depuisPixels(100, f.dpi())), 2);
    // The enlarged view gets more detail than the fitted decode, decoded on a worker.
    for (int i = 0; i < 200 && f.image->image().width() <= ajustee.width(); ++i)
        QTest::qWait(25);
    EXPECT_GT(f.image->image().width(), ajustee.width());

    // A press on a zoomed photo says how to go back.
    QTest::mousePress(f.image, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(f.message->text(), "Pour retour au format normal : Touche Echap.");
    // The same rectangle over the enlarged photo asks for x4 again: x3.9 so that the bar moves.
    const int dixiemeZoome = f.image->width() / 10;
    QTest::mouseMove(f.image, QPoint(50 + dixiemeZoome, 50 + dixiemeZoome * 2 / 3));
    QTest::mouseRelease(f.image, Qt::LeftButton, {}, QPoint(50 + dixiemeZoome, 50 + dixiemeZoome * 2 / 3));
    EXPECT_EQ(f.zoom->value(), 39);

    // Pan: 100 shows the right edge.
    f.panH->setValue(100);
    EXPECT_NEAR(f.image->x() + f.image->width(), f.fenetre.width(), 1);

    // Escape (the window runs ZoomAnnule): fitted again, bars hidden, message emptied.
    f.affichage->ZoomAnnule();
    EXPECT_EQ(f.image->geometry(), ajustee);
    EXPECT_FALSE(e.ZoomActif);
    EXPECT_TRUE(e.TailleNormale);
    EXPECT_FALSE(f.zoom->isVisible() || f.panV->isVisible() || f.panH->isVisible());
    EXPECT_TRUE(f.message->text().isEmpty());
    EXPECT_EQ(f.image->image().size(), f.image->size());
}

TEST(SlideshowAffichage, ShortDragAndClicks) {
    DossierTest d;
    const QString photo = photoBruit(d, "p.jpg", 600, 400);
    Fenetre f;
    // Before any photo the clicks do nothing.
    QTest::mouseClick(f.image, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(f.pauses, 0);

    ASSERT_EQ(f.affichage->afficher(photo), ChargeurPhoto::Etat::Affichable);
    f.zoom->setValue(20);
    f.affichage->ZoomMenu2_Click();
    ASSERT_TRUE(f.affichage->etat().ZoomActif);
    // 300 twips is 20 pixels: too small, back to the fitted size; the click pauses.
    f.glisser(QPoint(100, 100), QPoint(120, 200));
    EXPECT_FALSE(f.affichage->etat().ZoomActif);
    EXPECT_TRUE(f.affichage->etat().TailleNormale);
    EXPECT_EQ(f.pauses, 1);

    // Right button: the menu, no rectangle.
    QTest::mousePress(f.image, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(f.menus, 1);
    EXPECT_FALSE(f.affichage->etat().SelectionEnCours);

    // Double-click: full screen, and the release that follows is ignored.
    QTest::mouseDClick(f.image, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(f.pleinEcran, 1);
    f.maximisee = true;
    f.affichage->FenetreDblClick();
    EXPECT_EQ(f.fenetreNormale, 1);
}

TEST(SlideshowAffichage, MouseClickModeSteps) {
    DossierTest d;
    const QString photo = photoBruit(d, "p.jpg", 600, 400);
    Fenetre f;
    ASSERT_EQ(f.affichage->afficher(photo), ChargeurPhoto::Etat::Affichable);
    f.clickSouris = true;
    QTest::mousePress(f.image, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(f.image, QPoint(200, 200));
    QTest::mouseRelease(f.image, Qt::LeftButton, {}, QPoint(200, 200));
    QTest::mousePress(f.image, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(f.avances, 1);
    EXPECT_EQ(f.reculs, 1);
    EXPECT_EQ(f.menus, 0);
    EXPECT_FALSE(f.affichage->etat().SelectionEnCours);
    EXPECT_FALSE(f.affichage->etat().ZoomActif);
}

TEST(SlideshowChargeur, DecodesThroughTheLargestCoveringScale) {
    struct Cas {
        QSize taille, cible, attendu;
    } cas[] = {
        {{6000, 4000}, {1497, 998}, {1500, 1000}},  // 1/4 covers a 1920 x 1080 fit
        {{6000, 4000}, {1600, 1000}, {3000, 2000}}, // 1/4 is too narrow: 1/2
        {{6000, 4000}, {700, 400}, {750, 500}},     // 1/8
        {{6000, 4000}, {5000, 3500}, {6000, 4000}}, // full size
    };
    for (const Cas& c : cas)
        EXPECT_EQ(ChargeurPhoto::tailleDecodage(c.taille, c.cible), c.attendu);
}

TEST(SlideshowChargeur, PhotoDecodedAheadIsHandedOverOnceForItsWindow) {
    DossierTest d;
    const QString photo = photoBruit(d, "p.jpg", 800, 600);
    ChargeurPhoto::Cadre cadre;
    cadre.fenetre = {12000, 9000, false};
    PrechargeurPhoto prechargeur;
    prechargeur.demander(photo, cadre);
    ChargeurPhoto::Cadre autre = cadre;
    autre.fenetre.largeur = 9000;
    EXPECT_FALSE(prechargeur.prendre(photo, autre));
    prechargeur.demander(photo, cadre);
    const auto pret = prechargeur.prendre(photo, cadre);
    ASSERT_TRUE(pret);
    EXPECT_EQ(pret->etat, ChargeurPhoto::Etat::Affichable);
    EXPECT_EQ(pret->image.size(), QSize(ChargeurPhoto::pixels(pret->ajustement.photo.largeur, 96),
                                        ChargeurPhoto::pixels(pret->ajustement.photo.hauteur, 96)));
    EXPECT_FALSE(prechargeur.prendre(photo, cadre));
}
