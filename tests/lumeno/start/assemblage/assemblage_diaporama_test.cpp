#include "ActPhoto.h"
#include "Assemblage.h"
#include "Catalogue.h"
#include "DossierProgramme.h"
#include "FenetrePrincipale.h"
#include "ImagePhoto.h"

#include <QComboBox>
#include <QDate>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {

struct Photo {
    QString nom;
    int annee;
    int mois;
    QColor couleur;
};

// A program folder whose catalogue lists three real photos of a folder under the first root, and
// the main window started on it through the same composition as the program.
class Programme {
public:
    explicit Programme(const QList<Photo>& photos) {
        p.base();
        const QString racine = p.dossier.dossier("Photos");
        const QString rep = p.dossier.dossier("Photos/Vacances");
        p.reglages(racine, QDate::currentDate());
        Catalogue::creer(p.chemin("Lumeno1.mdb"));
        Catalogue c(p.chemin("Lumeno1.mdb"));
        std::set<int> annees;
        std::set<int> mois;
        for (const Photo& ph : photos) {
            QImage image(64, 48, QImage::Format_RGB32);
            image.fill(ph.couleur);
            EXPECT_TRUE(image.save(rep + "/" + ph.nom + ".jpg", "JPG"));
            ActPhoto a;
            a.Clef = QString::number(ph.annee) + QString::number(ph.mois).rightJustified(2, '0') + ph.nom;
            a.Nom = ph.nom;
            a.Rep = rep;
            a.Annee = ph.annee;
            a.Mois = ph.mois;
            a.Type = "jpg";
            a.Valide = 1;
            EXPECT_TRUE(c.BddEcrit(a));
            annees.insert(ph.annee);
            mois.insert(ph.mois);
        }
        // The found years and months are kept once each, as a scan keeps them.
        for (int a : annees)
            c.ajouterAnneeTrouvee(QString::number(a));
        for (int m : mois)
            c.ajouterMoisTrouve(QString::number(m));
        c.numeroter();
    }

    FenetrePrincipale& demarrer() {
        fenetre = std::make_unique<FenetrePrincipale>(p.etatParDefaut());
        fenetre->crochetsFenetre().finProgramme = [this] { ++p.fins; };
        assemblerEcrans(*fenetre);
        fenetre->show();
        fenetre->demarrer();
        // Wide enough for the name to show above and below the photo, whatever size the settings
        // gave the window.
        fenetre->resize(1024, 700);
        return *fenetre;
    }

    ~Programme() { fenetre.reset(); }

    DossierProgramme p;
    std::unique_ptr<FenetrePrincipale> fenetre;
};

bool attendre(const std::function<bool()>& condition) {
    QElapsedTimer t;
    t.start();
    while (!condition() && t.elapsed() < 3000)
        QTest::qWait(20);
    return condition();
}

// One tick of the slideshow timer, as its timeout would give it.
void tick(FenetrePrincipale& f) {
    QMetaObject::invokeMethod(f.controles().Timer1, "timeout");
}

QString nomAffiche(FenetrePrincipale& f) {
    return f.controles().MessageBas->text();
}

const QList<Photo> kPhotos = {
    {"Plage", 2010, 7, Qt::blue},
    {"Dune", 2010, 8, Qt::yellow},
    {"Neige", 2015, 2, Qt::white},
};

TEST(AssemblageDiaporama, FirstSelectionShowsPhotoAndTimerMovesOn) {
    Programme prog(kPhotos);
    FenetrePrincipale& f = prog.demarrer();
    ASSERT_TRUE(f.demarrage().termine());
    ASSERT_EQ(prog.p.fins, 0);
    EXPECT_TRUE(prog.p.boites->messages.isEmpty());
    auto* image = f.findChild<ImagePhoto*>("Image1");
    ASSERT_NE(image, nullptr);
    // The pace comes from the settings slider.
    EXPECT_EQ(f.controles().Timer1->interval(), 5 * 1000 + 30);
    EXPECT_TRUE(f.controles().Timer1->isActive());

    tick(f);
    ASSERT_TRUE(attendre([&] { return !image->image().isNull(); }));
    const QString premier = nomAffiche(f);
    EXPECT_TRUE(QStringList({"Plage", "Dune", "Neige"}).contains(premier.section('.', 0, 0)))
        << premier.toStdString();
    EXPECT_TRUE(image->isVisible());

    tick(f);
    ASSERT_TRUE(attendre([&] { return nomAffiche(f) != premier && !nomAffiche(f).isEmpty(); }))
        << nomAffiche(f).toStdString();
}

TEST(AssemblageDiaporama, SearchScreenStartsTheChosenYearAndCancelResumes) {
    Programme prog(kPhotos);
    FenetrePrincipale& f = prog.demarrer();
    ASSERT_EQ(prog.p.fins, 0);
    QWidget* ecran = f.ecran("Frame2");
    ASSERT_NE(ecran, nullptr);
    EXPECT_FALSE(ecran->isVisible());

    QTest::mouseClick(f.controles().OuvreRecherche, Qt::LeftButton);
    ASSERT_TRUE(ecran->isVisible());
    EXPECT_FALSE(f.controles().Timer1->isActive()) << "the slideshow pauses under the search screen";
    EXPECT_FALSE(f.controles().OuvreRecherche->isVisible());

    // The lists start-up read are on the screen.
    auto* annees = ecran->findChild<QComboBox*>("ChoixAnnee");
    ASSERT_NE(annees, nullptr);
    ASSERT_EQ(annees->count(), 3); // "" 2010 2015
    EXPECT_EQ(annees->itemText(2), "2015");

    // Cancel brings the buttons back and play resumes the slideshow.
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_FALSE(ecran->isVisible());
    EXPECT_TRUE(f.controles().OuvreRecherche->isVisible());
    EXPECT_TRUE(f.controles().Timer1->isActive());

    QTest::mouseClick(f.controles().OuvreRecherche, Qt::LeftButton);
    ASSERT_TRUE(ecran->isVisible());
    annees->setCurrentIndex(2);
    auto* start = ecran->findChild<QPushButton*>("CommenceRechercheDiaporama");
    ASSERT_NE(start, nullptr);
    QTest::mouseClick(start, Qt::LeftButton);
    EXPECT_FALSE(ecran->isVisible());
    auto* image = f.findChild<ImagePhoto*>("Image1");
    ASSERT_TRUE(attendre([&] { return nomAffiche(f).startsWith("Neige"); })) << nomAffiche(f).toStdString();
    EXPECT_FALSE(image->image().isNull());
    // The slideshow stands on its first item until play is pressed.
    EXPECT_FALSE(f.controles().Timer1->isActive());
    EXPECT_TRUE(f.controles().Marche->isVisible());
}

TEST(AssemblageDiaporama, RestartAfterScanRunsTheSlideshowThatTheConfigurationPaused) {
    Programme prog(kPhotos);
    FenetrePrincipale& f = prog.demarrer();
    // Opening the configuration pauses the slideshow; its scan then restarts the start-up chain.
    f.crochetsFenetre().pauseDiaporama();
    f.redemarrerApresScan();
    ASSERT_EQ(prog.p.fins, 0);
    f.resize(1024, 700);
    EXPECT_TRUE(f.controles().Timer1->isActive());
    tick(f);
    ASSERT_TRUE(attendre([&] { return !nomAffiche(f).trimmed().isEmpty() && nomAffiche(f) != " . "; }))
        << nomAffiche(f).toStdString();
    EXPECT_FALSE(f.findChild<ImagePhoto*>("Image1")->image().isNull());
}

} // namespace
