#include "BoiteEnregistreuse.h"
#include "DossierTest.h"
#include "FauxCurseur.h"
#include "FenetrePrincipale.h"
#include "ImagePhoto.h"
#include "RaccordFenetre.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

TEST(SlideshowRaccordFenetre, TheMainWindowRunsTheSlideshow) {
    BoiteEnregistreuse::Portee boites;
    DossierTest d;
    FauxCurseur curseur;
    for (int i = 1; i <= 5; ++i) {
        QImage image(300, 200, QImage::Format_RGB32);
        image.fill(QColor(40 * i, 100, 150));
        const QString nom = QString("p%1").arg(i);
        d.dossier("photos");
        ASSERT_TRUE(image.save(d.chemin("photos/" + nom + ".jpg"), "JPG"));
        ElementVisu e;
        e.VisuPhotoRep = d.chemin("photos");
        e.VisuPhotoNom = nom;
        e.VisuPhotoType = "jpg";
        curseur.enregistrements << e;
    }
    EtatDemarrage etat;
    etat.dossierProgramme = etat.dossierExecutable = QStringLiteral("/nonexistent");
    FenetrePrincipale f(etat);
    f.crochetsFenetre().finProgramme = [] {};
    f.resize(900, 700);
    f.show();
    RaccordFenetre raccord(f, curseur);

    auto* image = f.findChild<ImagePhoto*>("Image1");
    ASSERT_EQ(image, raccord.image());
    curseur.RechercheSelection();
    raccord.moteur().AffichageDiaporama();
    EXPECT_EQ(raccord.moteur().visu.VisuPhotoNom, "p1");
    EXPECT_TRUE(image->isVisible());
    EXPECT_EQ(f.controles().Message->text(), "p1");

    // One timer tick shows one item (the window does not tick a second time).
    f.controles().Marche->click();
    EXPECT_EQ(raccord.moteur().visu.VisuPhotoNom, "p2");
    ASSERT_TRUE(QMetaObject::invokeMethod(f.controles().Timer1, "timeout"));
    EXPECT_EQ(raccord.moteur().visu.VisuPhotoNom, "p3");

    // The resize refit follows the window.
    const int largeur = image->width();
    f.resize(1200, 900);
    EXPECT_GT(image->width(), largeur);

    // Zoom through the menu, then Escape: fitted again and paused.
    auto* zoom = f.controles().Menu->findChild<QAction*>("ZoomMenu2");
    ASSERT_NE(zoom, nullptr);
    zoom->trigger();
    EXPECT_TRUE(f.etatFenetre().zoom);
    f.controles().VScroll1->setValue(20);
    EXPECT_GT(image->width(), 1200);
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_LT(image->width(), 1200);
    EXPECT_EQ(raccord.moteur().etat.EnPause, 1);
    EXPECT_FALSE(f.controles().Timer1->isActive());

    for (const char* nom : {"Marche2", "Pause2", "Arriere2", "ClickSouris"})
        EXPECT_NE(f.controles().Menu->findChild<QAction*>(nom), nullptr) << nom;
}
