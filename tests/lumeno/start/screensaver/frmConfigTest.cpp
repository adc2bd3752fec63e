#include "frmConfig.h"

#include "BoiteEnregistreuse.h"
#include "DossierConfigTest.h"
#include "ParametresVeille.h"
#include "TexteFichier.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QLineEdit* boite(frmConfig& d, const char* nom) {
    return d.findChild<QLineEdit*>(QLatin1String(nom));
}

QStringList copie(const QStringList& fin) {
    QStringList lignes;
    for (int i = 1; i <= 15; ++i) {
        lignes << QStringLiteral("-");
    }
    return lignes + fin;
}

} // namespace

TEST(screensaver_frmConfig, MissingCopyKeepsDefaultsAndSaveCreatesIt) {
    DossierConfigTest config;
    BoiteEnregistreuse::Portee boites;
    frmConfig d;
    ASSERT_EQ(boites->messages.size(), 1);
    EXPECT_EQ(boites->messages[0].titre, QStringLiteral("Information"));
    EXPECT_TRUE(boites->messages[0].texte.startsWith(
        QStringLiteral("Il manque le fichier Lumeno3.txt (qui est une copie")));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Lumeno "));
    EXPECT_EQ(boite(d, "CmdAleatoire")->text(), QStringLiteral("Aléatoire"));
    EXPECT_EQ(boite(d, "CmdMot")->text(), QStringLiteral(" "));
    EXPECT_EQ(boite(d, "CmdTempo")->text(), QStringLiteral("20"));
    EXPECT_FALSE(boite(d, "CmdChemin")->isEnabled());
    EXPECT_FALSE(boite(d, "VeillePasseInternet")->isEnabled());
    EXPECT_TRUE(d.findChild<QPushButton*>(QStringLiteral("cmdOK"))->isDefault());

    QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    const auto lu = TexteFichier::lire(config.copie());
    ASSERT_TRUE(lu.ok);
    ASSERT_EQ(lu.lignes.size(), 22);
    EXPECT_TRUE(lu.lignes[16].startsWith(QStringLiteral("Aléatoire               <--")));
    EXPECT_TRUE(lu.lignes[18].startsWith(QStringLiteral("20             <--")));
    // Written in the single-byte code page, CR LF.
    QFile f(config.copie());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray octets = f.readAll();
    EXPECT_TRUE(octets.contains("Al\xE9"
                                "atoire"));
    EXPECT_TRUE(octets.contains("\r\n"));
}

TEST(screensaver_frmConfig, RoundTripWithTruncation) {
    DossierConfigTest config;
    BoiteEnregistreuse::Portee boites;
    config.dossier().dossier(QStringLiteral("lumeno"));
    ASSERT_TRUE(TexteFichier::ecrire(
        config.copie(),
        copie({
            QStringLiteral("/home/anne/Lumeno"),
            QStringLiteral("5               <-- Ecran de Veille : Aléatoire ou nombre "),
            QStringLiteral("Mer              <-- Ecran de Veille : Mot possible pour recherche "),
            QStringLiteral("12             <-- Ecran de Veille : temps entre photos en  secondes "),
            QStringLiteral("1"),
            QStringLiteral("secret"),
            QStringLiteral("2004                   Année possible"),
        })));
    {
        frmConfig d;
        EXPECT_TRUE(boites->messages.isEmpty());
        EXPECT_EQ(boite(d, "CmdChemin")->text(), QStringLiteral("/home/anne/Lumeno"));
        EXPECT_EQ(boite(d, "CmdAleatoire")->text(), QStringLiteral("5           "));
        EXPECT_EQ(boite(d, "CmdMot")->text(), QStringLiteral("Mer     "));
        EXPECT_EQ(boite(d, "CmdTempo")->text(), QStringLiteral("12 "));
        EXPECT_TRUE(d.findChild<QCheckBox*>(QStringLiteral("VeilleInternetCheck"))->isChecked());
        EXPECT_EQ(boite(d, "VeillePasseInternet")->text(), QStringLiteral("secret"));
        EXPECT_EQ(boite(d, "CmdAnnee")->text(), QStringLiteral("2004    "));

        boite(d, "CmdMot")->setText(QStringLiteral("Montagnesxyz"));
        boite(d, "CmdAleatoire")->setText(QStringLiteral("zéro"));
        d.findChild<QCheckBox*>(QStringLiteral("VeilleInternetCheck"))->setChecked(false);
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    }
    const auto lu = TexteFichier::lire(config.copie());
    ASSERT_EQ(lu.lignes.size(), 22);
    EXPECT_EQ(lu.lignes[15], QStringLiteral("/home/anne/Lumeno"));
    EXPECT_TRUE(lu.lignes[16].startsWith(QStringLiteral("Aléatoire     ")));
    EXPECT_TRUE(lu.lignes[17].startsWith(QStringLiteral("Montagnesxyz     ")));
    EXPECT_EQ(lu.lignes[19], QStringLiteral("0"));

    // Read back as 8 letters by the dialog and by the screen saver.
    frmConfig encore;
    EXPECT_EQ(boite(encore, "CmdMot")->text(), QStringLiteral("Montagne"));
    EXPECT_EQ(LectureParametresVeille::interpreter(lu.lignes).parametres.mot, QStringLiteral("Montagne"));
    EXPECT_TRUE(LectureParametresVeille::interpreter(lu.lignes).parametres.veilleAleatoire);
}

TEST(screensaver_frmConfig, CancelWritesNothing) {
    DossierConfigTest config;
    BoiteEnregistreuse::Portee boites;
    frmConfig d;
    boite(d, "CmdMot")->setText(QStringLiteral("Plage"));
    QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("CmdAnnul")), Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_FALSE(QFile::exists(config.copie()));
}

TEST(screensaver_frmConfig, FailedSaveIsReportedAndTheDialogStays) {
    DossierConfigTest config;
    BoiteEnregistreuse::Portee boites;
    // A file where the folder should be: nothing can be written there.
    config.dossier().fichier(QStringLiteral("lumeno"), "x");
    frmConfig d;
    d.show();
    boites->messages.clear();
    QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    ASSERT_EQ(boites->messages.size(), 1);
    EXPECT_TRUE(boites->messages[0].texte.startsWith(QStringLiteral("Erreur")));
    EXPECT_TRUE(d.isVisible());
}
