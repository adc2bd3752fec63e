#include "BoiteEnregistreuse.h"
#include "FenetrePrincipale.h"
#include "InstanceUnique.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct Fenetre {
    Fenetre() {
        EtatDemarrage e;
        e.dossierProgramme = e.dossierExecutable = QStringLiteral("/nonexistent");
        f = std::make_unique<FenetrePrincipale>(e);
        f->crochetsFenetre().finProgramme = [this] { ++fins; };
        f->show();
    }
    BoiteEnregistreuse::Portee boites;
    std::unique_ptr<FenetrePrincipale> f;
    int fins = 0;
};

TEST(WindowFenetre, ControlsCarryTheirNamesAndCaptions) {
    Fenetre w;
    FenetrePrincipale& f = *w.f;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Lumeno"));
    EXPECT_EQ(f.palette().color(QPalette::Window), QColor(Qt::black));
    const QList<QPair<const char*, QString>> boutons = {
        {"Quitter", "&Quitter"},
        {"OuvreConfig", "&Config"},
        {"OuvreRecherche", "&Recherche"},
        {"Miniature", "&MiniAlbum"},
        {"Arriere", "<="},
        {"Marche3", "=>"},
        {"Marche", ">"},
        {"Pause", "&Pause"},
        {"ClavierBlanc", "=>"},
        {"NavigateurArriere", "<  Web"},
        {"NavigateurAvant", "Web  >"},
    };
    for (const auto& [nom, legende] : boutons) {
        auto* b = f.findChild<QAbstractButton*>(nom);
        ASSERT_NE(b, nullptr) << nom;
        EXPECT_EQ(b->text(), legende) << nom;
    }
    for (const char* nom : {"Image1", "Message", "MessageBas"})
        EXPECT_NE(f.findChild<QLabel*>(nom), nullptr) << nom;
    for (const char* nom : {"HScroll1", "VScroll1", "VScroll2", "HScroll2"})
        EXPECT_NE(f.findChild<QScrollBar*>(nom), nullptr) << nom;
    for (const char* nom :
         {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5_Php", "Frame6", "Frame7", "FrameHeure"}) {
        auto* cadre = f.findChild<QFrame*>(nom);
        ASSERT_NE(cadre, nullptr) << nom;
        EXPECT_FALSE(cadre->isVisible()) << nom;
    }
    EXPECT_NE(f.findChild<QTimer*>("Timer1"), nullptr);
    EXPECT_NE(f.findChild<QTimer*>("Timer2"), nullptr);
    EXPECT_NE(f.findChild<QMenu*>("Menu"), nullptr);
}

TEST(WindowFenetre, ScreenTakesThePlaceOfItsFrameAndEscapeCancelsInOrder) {
    Fenetre w;
    FenetrePrincipale& f = *w.f;
    const QRect place = f.ecran("Frame1")->geometry();
    int annulations = 0;
    auto* config = new QWidget;
    f.installerEcran("Frame1", config, [&] {
        ++annulations;
        config->hide();
    });
    EXPECT_EQ(f.ecran("Frame1"), config);
    EXPECT_EQ(f.findChildren<QWidget*>("Frame1").size(), 1);
    EXPECT_EQ(config->geometry(), place);

    int pauses = 0, zooms = 0;
    f.crochetsFenetre().pauseDiaporama = [&] { ++pauses; };
    f.crochetsFenetre().resetZoom = [&] { ++zooms; };
    config->show();
    f.ecran("Frame2")->show();
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_EQ(annulations, 1);
    EXPECT_TRUE(f.ecran("Frame2")->isVisible()); // the search screen stays
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_FALSE(f.ecran("Frame2")->isVisible());
    EXPECT_EQ(pauses, 0);
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_EQ(pauses, 1);
    EXPECT_EQ(zooms, 1);

    // A key sent to a focused control is seen by the window first.
    f.ecran("Frame3")->show();
    f.controles().ClavierBlanc->setFocus();
    QTest::keyClick(f.controles().ClavierBlanc, Qt::Key_Escape);
    EXPECT_FALSE(f.ecran("Frame3")->isVisible());
}

TEST(WindowFenetre, OtherKeysOfTheWindow) {
    Fenetre w;
    FenetrePrincipale& f = *w.f;
    int aides = 0, recherches = 0;
    f.crochetsFenetre().ouvrirAide = [&] { ++aides; };
    f.crochetsFenetre().rechercheEtDiaporama = [&] { ++recherches; };
    QTest::keyClick(&f, Qt::Key_F1);
    EXPECT_EQ(aides, 1);
    auto* aide = new QLabel(f.ecran("Frame6"));
    aide->setObjectName("Aide");
    f.ecran("Frame6")->show();
    QTest::keyClick(&f, Qt::Key_F1);
    EXPECT_EQ(aides, 1); // the help text is already shown
    f.ecran("Frame6")->hide();

    QTest::keyClick(&f, Qt::Key_Return);
    EXPECT_EQ(recherches, 0);
    f.ecran("Frame2")->show();
    QTest::keyClick(&f, Qt::Key_Return);
    EXPECT_EQ(recherches, 1);

    // "Mode click souris": the next key is swallowed once.
    f.ClickSouris();
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.ecran("Frame2")->isVisible());
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_FALSE(f.ecran("Frame2")->isVisible());

    // Zoom ends on any key.
    f.etatFenetre().zoom = true;
    f.controles().VScroll1->show();
    QTest::keyClick(&f, Qt::Key_A);
    EXPECT_FALSE(f.etatFenetre().zoom);
    EXPECT_FALSE(f.controles().VScroll1->isVisible());

    // The screen saver ends on a key, but not on the space bar.
    f.etat().veilleActive = true;
    QTest::keyClick(&f, Qt::Key_Space);
    EXPECT_EQ(w.fins, 0);
    QTest::keyClick(&f, Qt::Key_B);
    EXPECT_EQ(w.fins, 1);
}

TEST(WindowFenetre, ResizeMovesTheButtonRowAndRefitsThePhoto) {
    Fenetre w;
    FenetrePrincipale& f = *w.f;
    f.resize(f.enPixels(6000), f.enPixels(6000));
    EXPECT_GE(f.controles().Quitter->y(), f.height()); // out of sight
    EXPECT_EQ(f.enTwips(f.controles().Quitter->y()), 9000);
    EXPECT_FALSE(f.controles().Message->isVisible());

    f.resize(f.enPixels(15000), f.enPixels(12000));
    EXPECT_EQ(f.etatFenetre().hautBarre, 12000 - 850);
    for (QWidget* c : f.controles().rangee())
        EXPECT_EQ(c->y(), f.enPixels(12000 - 850)) << c->objectName().toStdString();

    QPixmap photo(300, 200);
    photo.fill(Qt::red);
    f.afficherPhoto(photo);
    EXPECT_EQ(f.controles().Image1->geometry(), f.enPixels(QRect(0, 0, 14895, 9930)));
    EXPECT_EQ(f.etatFenetre().zoomReset, QRect(0, 0, 14895, 9930));
}

TEST(WindowFenetre, FullScreenAndBack) {
    Fenetre w;
    FenetrePrincipale& f = *w.f;
    f.EcranPlein();
    EXPECT_TRUE(f.isFullScreen());
    EXPECT_TRUE(f.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(f.etatFenetre().pleinEcran);
    QTest::qWait(20);
    EXPECT_EQ(f.etatFenetre().hautBarre, f.hauteurTwips() - 400);

    f.Fenetre();
    EXPECT_FALSE(f.isFullScreen());
    EXPECT_FALSE(f.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(f.etatFenetre().pleinEcran);
    EXPECT_TRUE(f.etatFenetre().barreTitre);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Lumeno"));

    f.EffaceBarre();
    EXPECT_FALSE(f.etatFenetre().barreTitre);
    EXPECT_EQ(f.etatFenetre().hautBarre, f.hauteurTwips() - 400);
    f.PremierPlan();
    EXPECT_TRUE(f.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(f.isVisible());
}

TEST(WindowFenetre, QuitClosesTheOtherWindowsThenTheProgram) {
    Fenetre w;
    FenetrePrincipale& f = *w.f;
    int html = 0;
    f.crochetsFenetre().arreterHtml = [&] { ++html; };
    auto* album = new QWidget;
    album->setAttribute(Qt::WA_DeleteOnClose);
    album->show();
    QPointer<QWidget> suivi(album);
    f.enregistrerFenetreAnnexe(album);
    f.controles().Timer1->start(1000);
    QTest::mouseClick(f.controles().Quitter, Qt::LeftButton);
    QTest::qWait(10);
    EXPECT_EQ(w.fins, 1);
    EXPECT_EQ(html, 1);
    EXPECT_TRUE(suivi.isNull());
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(f.controles().Timer1->isActive());
    f.close(); // the unload event does not run the sequence twice
    EXPECT_EQ(w.fins, 1);
}

// The running instance answers from its own thread, as another process would.
TEST(WindowInstance, SecondStartClosesTheFirstAndTakesOver) {
    const QString nom = InstanceUnique::nomPour(QDir::tempPath() + "/lumeno-test-" +
                                                QString::number(QCoreApplication::applicationPid()));
    QThread fil;
    auto* premiere = new InstanceUnique(nom);
    premiere->moveToThread(&fil);
    std::atomic<int> fermetures = 0;
    QObject::connect(
        premiere, &InstanceUnique::fermetureDemandee, premiere, [&] { ++fermetures; }, Qt::DirectConnection);
    fil.start();
    bool ecoute = false;
    QMetaObject::invokeMethod(
        premiere, [&] { ecoute = !premiere->prendreLaPlace(200).relance && premiere->ecoute(); },
        Qt::BlockingQueuedConnection);
    ASSERT_TRUE(ecoute);
    EXPECT_TRUE(InstanceUnique::instanceEnCours(nom));

    InstanceUnique seconde(nom);
    const InstanceUnique::Prise prise = seconde.prendreLaPlace(3000);
    EXPECT_TRUE(prise.relance);
    EXPECT_FALSE(prise.erreur);
    EXPECT_TRUE(seconde.ecoute());
    // The first one hangs up before it tells its window to quit.
    for (int i = 0; i < 200 && fermetures.load() == 0; ++i)
        QThread::msleep(10);
    EXPECT_EQ(fermetures.load(), 1);

    QMetaObject::invokeMethod(
        premiere, [&] { delete premiere; }, Qt::BlockingQueuedConnection);
    fil.quit();
    fil.wait();
    // The newest one answers now.
    EXPECT_TRUE(InstanceUnique::instanceEnCours(nom));
}

} // namespace
