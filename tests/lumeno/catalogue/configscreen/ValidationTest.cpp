#include "FenetreTest.h"

#include "BoiteEnregistreuse.h"
#include "Catalogue.h"
#include "DossierTest.h"
#include "Horloge.h"
#include "LancementScan.h"
#include "MessagesScan.h"
#include "TexteFichier.h"
#include "Twips.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class configscreen_Validation : public ::testing::Test {
protected:
    void SetUp() override {
        Horloge::fixer([] { return QDateTime(QDate(2024, 7, 31), QTime(10, 0)); });
        programme = dossier.dossier(QStringLiteral("programme"));
        racine = dossier.dossier(QStringLiteral("Photos"));
        Catalogue::creer(programme + QStringLiteral("/Lumeno2.mdb"));
        f.dossierProgramme = programme;
        reglages = ReglagesLumeno::parDefaut();
        reglages.racines[0] = {racine, true, true};
        reglages.racines[1] = {racine, false, true};
        reglages.racines[2] = {racine, false, true};
    }
    void TearDown() override { Horloge::fixer({}); }

    // Clicks "Valider la Configuration" and waits (bounded) for the end of the scan.
    ResultatScan valider() {
        f.ecran->chargerReglages(reglages);
        f.fenetre.show();
        f.ecran->OuvreConfig_Click();
        QSignalSpy fin(f.ecran.get(), &EcranConfig::scanTermine);
        QTest::mouseClick(f.dans<QPushButton>("ValideConfig"), Qt::LeftButton);
        EXPECT_TRUE(fin.count() == 1 || fin.wait(20000));
        return fin.isEmpty() ? ResultatScan{} : fin.first().first().value<ResultatScan>();
    }

    DossierTest dossier;
    QString programme, racine;
    ReglagesLumeno reglages;
    FenetreTest f;
};

} // namespace

TEST_F(configscreen_Validation, ScansATinyTreeOnAWorkerAndShowsItsMessages) {
    dossier.fichier(QStringLiteral("Photos/2004-06-00012-Plage.jpg"), "x");
    dossier.fichier(QStringLiteral("Photos/2005 Vacances/Mer.jpg"), "x");
    reglages.configCheck8 = true;
    reglages.couleurTexteHtml = QStringLiteral("Bleu");
    const double dpi = f.dpi();
    f.fenetre.resize(Twips::versPixels(6000, dpi), Twips::versPixels(6000, dpi));

    auto* lancement = f.ecran->findChild<LancementScan*>();
    ASSERT_NE(lancement, nullptr);
    QSignalSpy messages(lancement, &LancementScan::message);
    QSignalSpy messagesBas(lancement, &LancementScan::messageBas);
    f.ecran->chargerReglages(reglages);
    f.fenetre.show();
    f.ecran->OuvreConfig_Click();
    // While the scan runs its buttons are hidden and the quit button is there.
    bool boutonsCaches = false;
    QObject::connect(lancement, &LancementScan::moment, [&](RetourScan::Moment m) {
        if (m == RetourScan::Moment::Debut) {
            boutonsCaches = !f.dans<QPushButton>("ValideConfig")->isVisible() &&
                            !f.dans<QPushButton>("AnnulConfig")->isVisible() &&
                            f.controle("Quitter")->isVisible();
        }
    });
    QSignalSpy fin(f.ecran.get(), &EcranConfig::scanTermine);
    QTest::mouseClick(f.dans<QPushButton>("ValideConfig"), Qt::LeftButton);
    // The click returns at once: the scan runs beside the window.
    EXPECT_TRUE(f.ecran->scanEnCours());
    EXPECT_FALSE(f.ecran->ValideConfig_Click()); // one scan at a time
    ASSERT_TRUE(fin.wait(20000));

    const auto resultat = fin.first().first().value<ResultatScan>();
    EXPECT_EQ(resultat.fin, FinScan::Terminee);
    EXPECT_EQ(resultat.enregistrements, 2);
    EXPECT_TRUE(boutonsCaches);
    ASSERT_EQ(f.fins.size(), 1); // the window restarts its start-up chain
    EXPECT_EQ(f.fins[0].fin, FinScan::Terminee);

    QStringList textes;
    for (const auto& m : messages) {
        textes << m.first().toString();
    }
    EXPECT_TRUE(textes.contains(MessagesScan::lecture()));
    bool dossierMontre = false;
    for (const auto& m : messagesBas) {
        dossierMontre = dossierMontre || m.first().toString() == racine;
    }
    EXPECT_TRUE(dossierMontre);
    EXPECT_EQ(f.message->text(), MessagesScan::activation());
    EXPECT_EQ(f.messageBas->text(), QString());

    EXPECT_FALSE(f.ecran->isVisible());
    EXPECT_TRUE(f.dans<QPushButton>("ValideConfig")->isVisibleTo(f.ecran.get()));
    EXPECT_TRUE(f.dans<QPushButton>("AnnulConfig")->isVisibleTo(f.ecran.get()));
    EXPECT_EQ(f.fenetre.height(), Twips::versPixels(6000, dpi)); // the remembered size is back

    // The screen's values were saved with the scan.
    const auto lu = TexteFichier::lire(programme + QStringLiteral("/Lumeno1.txt"));
    ASSERT_TRUE(lu.ok);
    ASSERT_GE(lu.lignes.size(), 53);
    EXPECT_EQ(lu.lignes[1], racine + QStringLiteral("-1"));
    EXPECT_EQ(lu.lignes[11], QStringLiteral("MP3___1"));
    EXPECT_EQ(lu.lignes[12], QStringLiteral("Bleu"));
    EXPECT_EQ(lu.lignes[52], QStringLiteral("31/07/2024"));
}

TEST_F(configscreen_Validation, NoRootTickedStartsNothing) {
    reglages.racines[0].cochee = false;
    const ResultatScan resultat = valider();
    EXPECT_EQ(resultat.fin, FinScan::AucuneRacine);
    auto* message = f.dans<QLabel>("MessageConfig");
    EXPECT_TRUE(message->font().bold());
    EXPECT_EQ(message->text(), MessagesScan::aucuneRacine());
    EXPECT_TRUE(f.ecran->isVisible());
    EXPECT_FALSE(QFile::exists(programme + QStringLiteral("/Lumeno1.txt")));
}

TEST_F(configscreen_Validation, EmptyTreeAsksThroughTheWindowAndKeepsTheScreen) {
    BoiteEnregistreuse::Portee boites;
    const ResultatScan resultat = valider();
    EXPECT_EQ(resultat.fin, FinScan::BaseVide);
    // The box was shown on the window's thread while the scan waited for it.
    ASSERT_EQ(boites->messages.size(), 1);
    EXPECT_EQ(boites->messages[0].titre, MessagesScan::titreBaseVide());
    EXPECT_TRUE(f.ecran->isVisible());
    EXPECT_TRUE(f.dans<QPushButton>("ValideConfig")->isVisible());
    EXPECT_TRUE(f.dans<QPushButton>("AnnulConfig")->isVisible());
    EXPECT_FALSE(QFile::exists(programme + QStringLiteral("/Lumeno1.txt")));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(configscreen_Validation, ClosingDuringAScanWaitsForItsEnd) {
    for (int i = 0; i < 200; ++i) {
        dossier.fichier(QStringLiteral("Photos/%1/2004-06-%2-Plage.jpg").arg(i % 20).arg(i), "x");
    }
    f.ecran->chargerReglages(reglages);
    f.fenetre.show();
    f.ecran->OuvreConfig_Click();
    ASSERT_TRUE(f.ecran->ValideConfig_Click());
    f.ecran.reset(); // cancels and waits; nothing of the scan outlives the screen
    EXPECT_TRUE(QFile::exists(programme + QStringLiteral("/Lumeno2.mdb")));
}
