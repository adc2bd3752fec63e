#include "DateConfig.h"
#include "DossierTest.h"
#include "EcritureReglages.h"
#include "FichierType.h"
#include "Horloge.h"
#include "ImpressionQString.h"
#include "LectureReglages.h"
#include "TexteFichier.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

class SettingsEcriture : public ::testing::Test {
protected:
    void SetUp() override {
        Horloge::fixer([] { return QDateTime(QDate(2026, 6, 30), QTime(18, 0)); });
        racine1 = dossier.dossier("Photos");
        racine2 = dossier.dossier("Images");
        racine3 = dossier.dossier("Été 2004");
    }
    void TearDown() override { Horloge::fixer({}); }

    // The settings that the type file holds.
    ReglagesLumeno reglagesType() const {
        ReglagesLumeno r;
        r.racines = {RacineCatalogue{racine1, true}, RacineCatalogue{racine2, false},
                     RacineCatalogue{racine3, true}};
        r.configCheck6 = false;
        r.configCheck7 = true;
        r.configCheck8 = true;
        r.couleurTexteHtml = "Bleu";
        r.hautFenetre = 300;
        r.gaucheFenetre = 450;
        r.hauteurFenetre = 9000;
        r.largeurFenetre = 13200;
        r.hScroll1 = 7;
        r.formatPhotos1 = "xxMMAAxxxx";
        r.configCheck11 = true;
        r.configCheck12 = true;
        r.configCheckTri = true;
        r.webAutreURL = "http://photos.exemple.org/";
        r.webMotPasse = "sésame";
        r.configAutoJour = "45";
        r.texteCheck16 = true;
        r.quickTimeCheck17 = true;
        r.cheminQuickTime = "C:\\Program Files\\QuickTime\\QuickTimePlayer.exe";
        r.deblocagePlayer = false;
        r.vocaleCheck19 = true;
        r.personnagesCheck20 = true;
        return r;
    }

    static ResultatsScan scanType() {
        ResultatsScan s;
        s.nombreEnregistrements = 1234;
        s.anneeMaxi = 2024;
        s.anneeMini = 1998;
        s.nombreMusiques = 12;
        s.nombreMots = 345;
        s.nombreAnnees = 9;
        s.nombreMois = 13;
        return s;
    }

    DossierTest dossier;
    QString racine1, racine2, racine3;
};

} // namespace

TEST_F(SettingsEcriture, WritesTheSixtySevenLines) {
    const QStringList lignes = lignesReglages(scanType(), reglagesType(), "/opt/lumeno");
    const QStringList attendu = fichierReglagesType(racine1, racine2, racine3);
    ASSERT_EQ(lignes.size(), 67);
    for (int i = 0; i < 67; ++i)
        EXPECT_EQ(lignes[i], attendu[i]) << "line " << i + 1;
}

TEST_F(SettingsEcriture, SignedAndPlainNumbers) {
    ResultatsScan vide; // a scan with no dated photo
    ReglagesLumeno r = reglagesType();
    r.etatFenetre = 2;
    r.hautFenetre = -60;
    r.formatPhotos1 = "MMxx"; // no year: no pattern in force
    const QStringList l = lignesReglages(vide, r, "/opt/lumeno");
    EXPECT_EQ(l[5], "1");
    EXPECT_EQ(l[7], " 0");
    EXPECT_EQ(l[8], " 9999");
    EXPECT_EQ(l[20], " 2");
    EXPECT_EQ(l[21], "-60");
    EXPECT_EQ(l[30], "0");
    EXPECT_EQ(l[31], "MMxx");
    EXPECT_EQ(l[52], "30/06/2026"); // today from the clock
}

TEST_F(SettingsEcriture, WriteThenReadGivesTheSameSettings) {
    ReglagesLumeno r = reglagesType();
    r.webMotPasse = "mot de passe";
    r.couleurTexteHtml = "Rouge";
    ResultatsScan s = scanType();
    s.dateScan = QDate(2025, 1, 9);
    ASSERT_TRUE(ecrireReglages(dossier.chemin(), s, r));

    const LectureReglages l = lireReglages(dossier.chemin());
    ASSERT_EQ(l.issue, IssueLectureReglages::Complet);
    const ReglagesLumeno& lu = l.reglages;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lu.racines[i].chemin, r.racines[i].chemin) << i;
        EXPECT_EQ(lu.racines[i].cochee, r.racines[i].cochee) << i;
        EXPECT_TRUE(lu.racines[i].disponible) << i;
    }
    EXPECT_EQ(lu.anneeMaxi, 2024);
    EXPECT_EQ(lu.anneeMini, 1998);
    EXPECT_EQ(lu.configCheck6, r.configCheck6);
    EXPECT_EQ(lu.configCheck7, r.configCheck7);
    EXPECT_EQ(lu.configCheck8, r.configCheck8);
    EXPECT_EQ(lu.couleurTexteHtml, "Rouge");
    EXPECT_EQ(lu.hautFenetre, r.hautFenetre);
    EXPECT_EQ(lu.gaucheFenetre, r.gaucheFenetre);
    EXPECT_EQ(lu.hauteurFenetre, r.hauteurFenetre);
    EXPECT_EQ(lu.largeurFenetre, r.largeurFenetre);
    EXPECT_EQ(lu.hScroll1, r.hScroll1);
    EXPECT_TRUE(lu.formatDeclare);
    EXPECT_EQ(lu.formatPhotos1, r.formatPhotos1);
    EXPECT_EQ(lu.configCheck11, r.configCheck11);
    EXPECT_EQ(lu.nombreMusiques, 12);
    EXPECT_EQ(lu.configCheck12, r.configCheck12);
    EXPECT_EQ(lu.nombreMots, 345);
    EXPECT_EQ(lu.nombreAnnees, 9);
    EXPECT_EQ(lu.nombreMois, 13);
    EXPECT_EQ(lu.configCheckTri, r.configCheckTri);
    EXPECT_EQ(lu.webAutreURL, r.webAutreURL);
    EXPECT_EQ(lu.webMotPasse, "mot de passe");
    EXPECT_EQ(lu.dateMiseAJour, QDate(2025, 1, 9));
    EXPECT_EQ(lu.configAutoJour, r.configAutoJour);
    EXPECT_EQ(lu.texteCheck16, r.texteCheck16);
    EXPECT_EQ(lu.quickTimeCheck17, r.quickTimeCheck17);
    EXPECT_EQ(lu.deblocagePlayer, r.deblocagePlayer);
    EXPECT_EQ(lu.vocaleCheck19, r.vocaleCheck19);
    EXPECT_EQ(lu.personnagesCheck20, r.personnagesCheck20);

    // The defaults survive the trip as well.
    const ReglagesLumeno defauts = ReglagesLumeno::parDefaut();
    ASSERT_TRUE(ecrireReglages(dossier.chemin(), ResultatsScan{}, defauts));
    const ReglagesLumeno relu = lireReglages(dossier.chemin()).reglages;
    EXPECT_EQ(relu.hScroll1, 12);
    EXPECT_TRUE(relu.deblocagePlayer);
    EXPECT_EQ(relu.webAutreURL, kAdresseWebLumeno);
    EXPECT_EQ(relu.dateMiseAJour, QDate(2026, 6, 30));
}

TEST_F(SettingsEcriture, FileIsWindows1252WithCrLfUnlessAPathNeedsMore) {
    ASSERT_TRUE(ecrireReglages(dossier.chemin(), scanType(), reglagesType()));
    QFile f(dossier.chemin("Lumeno1.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray octets = f.readAll();
    EXPECT_TRUE(octets.startsWith("[Lumeno-Config]\r\n"));
    EXPECT_TRUE(octets.contains("\r\nAl\xE9"
                                "atoire        <-- Ecran"));
    EXPECT_TRUE(octets.endsWith("\r\n[Fin]\r\n"));
    EXPECT_EQ(octets.count("\r\n"), 67);

    // A folder name outside the code page is kept whole.
    ReglagesLumeno r = reglagesType();
    r.racines[1].chemin = dossier.dossier(QStringLiteral("写真"));
    ASSERT_TRUE(ecrireReglages(dossier.chemin(), scanType(), r));
    const LectureReglages l = lireReglages(dossier.chemin());
    EXPECT_EQ(l.reglages.racines[1].chemin, r.racines[1].chemin);
    EXPECT_TRUE(l.racinesIndisponibles.isEmpty());
}

// A line break typed into a value must not shift the later lines.
TEST_F(SettingsEcriture, ValuesStayOnTheirLine) {
    ReglagesLumeno r = reglagesType();
    r.webMotPasse = "ab\r\ncd";
    r.formatPhotos1 = "AAAA\nMM";
    const QStringList l = lignesReglages(scanType(), r, "/opt/lumeno");
    ASSERT_EQ(l.size(), 67);
    EXPECT_EQ(l[50], "ab  cd");
    EXPECT_EQ(l[31], "AAAA MM");
    EXPECT_EQ(l[66], "[Fin]");
}

TEST_F(SettingsEcriture, FailedWriteIsReportedAndKeepsTheOldFile) {
    QString erreur;
    EXPECT_FALSE(ecrireReglages(dossier.chemin("absent/dossier"), scanType(), reglagesType(), &erreur));
    EXPECT_FALSE(erreur.isEmpty());

    // The target exists but is a folder: nothing replaces it.
    dossier.dossier("programme/Lumeno1.txt");
    EXPECT_FALSE(ecrireReglages(dossier.chemin("programme"), scanType(), reglagesType(), &erreur));
    EXPECT_TRUE(QFileInfo(dossier.chemin("programme/Lumeno1.txt")).isDir());
}

TEST(SettingsDateConfig, DayMonthYearAtFixedPositions) {
    EXPECT_EQ(texteDateConfig(QDate(2026, 7, 1)), "01/07/2026");
    EXPECT_EQ(texteDateConfig(QDate()), "");
    const struct {
        const char* texte;
        QDate date;
    } cas[] = {
        {"30/06/2026", QDate(2026, 6, 30)},
        {" 01/07/2026 ", QDate(2026, 7, 1)},
        {"01-07-2026", QDate(2026, 7, 1)},
        {"31/02/2026", QDate()},
        {"1/7/2026", QDate()},
        {"", QDate()},
        {"ab/cd/efgh", QDate()},
        {"30/06/26", QDate()},
    };
    for (const auto& c : cas)
        EXPECT_EQ(lireDateConfig(c.texte), c.date) << c.texte;
}
