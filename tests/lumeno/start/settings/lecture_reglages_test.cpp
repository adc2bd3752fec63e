#include "DossierTest.h"
#include "FichierType.h"
#include "Horloge.h"
#include "ImpressionQString.h"
#include "LectureReglages.h"
#include "TexteFichier.h"

#include <QDir>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

class SettingsLecture : public ::testing::Test {
protected:
    void SetUp() override {
        Horloge::fixer([] { return QDateTime(QDate(2026, 12, 11), QTime(12, 0)); }); // N = 2027
        racine1 = dossier.dossier("Photos");
        racine2 = dossier.dossier("Images");
        racine3 = dossier.dossier("Été 2004");
        type = fichierReglagesType(racine1, racine2, racine3);
    }
    void TearDown() override { Horloge::fixer({}); }

    // The type file with some lines replaced (1-based line numbers).
    QStringList avec(std::initializer_list<std::pair<int, QString>> changements) const {
        QStringList l = type;
        for (const auto& [numero, texte] : changements)
            l[numero - 1] = texte;
        return l;
    }

    DossierTest dossier;
    QString racine1, racine2, racine3;
    QStringList type;
};

} // namespace

TEST_F(SettingsLecture, CompleteFileGivesEveryValue) {
    ASSERT_EQ(type.size(), 67);
    const LectureReglages l = lireLignesReglages(type);
    EXPECT_EQ(l.issue, IssueLectureReglages::Complet);
    EXPECT_TRUE(l.message.isEmpty());
    EXPECT_EQ(l.lignesLues, 66);
    EXPECT_TRUE(l.racinesIndisponibles.isEmpty());
    const ReglagesLumeno& r = l.reglages;
    EXPECT_EQ(r.racines[0].chemin, racine1);
    EXPECT_TRUE(r.racines[0].cochee);
    EXPECT_EQ(r.racines[1].chemin, racine2);
    EXPECT_FALSE(r.racines[1].cochee);
    EXPECT_EQ(r.racines[2].chemin, racine3);
    EXPECT_TRUE(r.racines[2].cochee);
    EXPECT_EQ(r.anneeMaxi, 2024);
    EXPECT_EQ(r.anneeMini, 1998);
    EXPECT_FALSE(r.configCheck6);
    EXPECT_TRUE(r.configCheck7);
    EXPECT_TRUE(r.configCheck8);
    EXPECT_EQ(r.couleurTexteHtml, "Bleu");
    EXPECT_EQ(r.etatFenetre, 0);
    EXPECT_EQ(r.hautFenetre, 300);
    EXPECT_EQ(r.gaucheFenetre, 450);
    EXPECT_EQ(r.hauteurFenetre, 9000);
    EXPECT_EQ(r.largeurFenetre, 13200);
    EXPECT_EQ(r.hScroll1, 7);
    EXPECT_TRUE(r.formatDeclare);
    EXPECT_EQ(r.formatPhotos1, "xxMMAAxxxx");
    EXPECT_TRUE(r.configCheck11);
    EXPECT_EQ(r.nombreMusiques, 12);
    EXPECT_TRUE(r.configCheck12);
    EXPECT_EQ(r.nombreMots, 345);
    EXPECT_EQ(r.nombreAnnees, 9);
    EXPECT_EQ(r.nombreMois, 13);
    EXPECT_TRUE(r.configCheckTri);
    EXPECT_EQ(r.webAutreURL, "http://photos.exemple.org/");
    EXPECT_EQ(r.webMotPasse, "sésame");
    EXPECT_EQ(r.dateMiseAJour, QDate(2026, 6, 30));
    EXPECT_EQ(r.configAutoJour, "45");
    EXPECT_TRUE(r.texteCheck16);
    EXPECT_TRUE(r.quickTimeCheck17);
    EXPECT_FALSE(r.deblocagePlayer);
    EXPECT_TRUE(r.vocaleCheck19);
    EXPECT_TRUE(r.personnagesCheck20);
}

TEST_F(SettingsLecture, MissingFileMeansDefaultsAndNoMessage) {
    const LectureReglages l = lireReglages(dossier.chemin());
    EXPECT_EQ(l.issue, IssueLectureReglages::Absent);
    EXPECT_TRUE(l.message.isEmpty());
    const ReglagesLumeno& r = l.reglages;
    EXPECT_TRUE(r.racines[0].cochee);
    EXPECT_FALSE(r.racines[1].cochee);
    EXPECT_FALSE(r.racines[2].cochee);
    EXPECT_FALSE(r.racines[0].chemin.isEmpty());
    EXPECT_TRUE(r.configCheck6);
    EXPECT_TRUE(r.configCheck7);
    EXPECT_EQ(r.couleurTexteHtml, "Noir");
    EXPECT_EQ(r.configAutoJour, "30");
    EXPECT_EQ(r.webMotPasse, "entrezcode");
    EXPECT_EQ(r.hScroll1, 12);
    EXPECT_FALSE(r.dateMiseAJour.isValid());
}

// An older or cut file applies what it holds, keeps the defaults for the rest and asks for a scan.
TEST_F(SettingsLecture, ShortFileAppliesWhatItHas) {
    const ReglagesLumeno defauts = ReglagesLumeno::parDefaut();
    for (int n : {0, 1, 3, 9, 24, 40, 65}) {
        const LectureReglages l = lireLignesReglages(type.mid(0, n));
        EXPECT_EQ(l.issue, IssueLectureReglages::Incomplet) << n;
        EXPECT_EQ(l.message, "Il serait utile de relancer une Config. Le fichier Init n'est pas à jour.")
            << n;
        EXPECT_EQ(l.lignesLues, n);
        const ReglagesLumeno& r = l.reglages;
        EXPECT_EQ(r.racines[2].chemin, n >= 4 ? racine3 : defauts.racines[2].chemin) << n;
        EXPECT_EQ(r.anneeMini, n >= 9 ? 1998 : 9999) << n;
        EXPECT_EQ(r.hauteurFenetre, n >= 24 ? 9000 : 0) << n;
        EXPECT_EQ(r.largeurFenetre, n >= 25 ? 13200 : 0) << n;
        EXPECT_EQ(r.nombreMots, n >= 40 ? 345 : 0) << n;
        EXPECT_EQ(r.configCheckTri, n >= 46) << n;
        EXPECT_EQ(r.vocaleCheck19, n >= 64) << n;
        EXPECT_FALSE(r.personnagesCheck20) << n;
    }
    // Line 67 is not needed.
    EXPECT_EQ(lireLignesReglages(type.mid(0, 66)).issue, IssueLectureReglages::Complet);
}

TEST_F(SettingsLecture, LargestYearAboveNextYearIsCapped) {
    const struct {
        const char* ligne;
        int annee;
    } cas[] = {{" 2031", 2026}, {" 2028", 2026}, {" 2027", 2027}, {" 2024", 2024}, {" 0", 0}, {"abc", 0}};
    for (const auto& c : cas)
        EXPECT_EQ(lireLignesReglages(avec({{8, c.ligne}})).reglages.anneeMaxi, c.annee) << c.ligne;

    Horloge::fixer([] { return QDateTime(QDate(2018, 3, 1), QTime(9, 0)); });
    EXPECT_EQ(lireLignesReglages(avec({{8, " 2031"}})).reglages.anneeMaxi, 2018);
    EXPECT_EQ(lireLignesReglages(avec({{8, " 2019"}})).reglages.anneeMaxi, 2019);
}

TEST_F(SettingsLecture, RootLines) {
    const struct {
        QString ligne;
        QString chemin;
        bool cochee;
    } cas[] = {
        {"/-1", "/", true},
        {racine2 + "-0", racine2, false},
        {"  " + racine3 + "-1  ", racine3, true},
        {racine1 + "/-1", racine1 + "/", true},
        {racine1 + "-7", racine1, false},
        {racine1 + "-", racine1.left(racine1.size() - 1), false},
    };
    for (const auto& c : cas) {
        const RacineCatalogue r = lireLigneRacine(c.ligne);
        EXPECT_EQ(r.chemin, c.chemin) << c.ligne.toStdString();
        EXPECT_EQ(r.cochee, c.cochee) << c.ligne.toStdString();
    }
    // A line too short to hold a path keeps the default folder.
    const LectureReglages court = lireLignesReglages(avec({{3, "-1"}}));
    EXPECT_EQ(court.reglages.racines[1].chemin, ReglagesLumeno::parDefaut().racines[1].chemin);
    EXPECT_TRUE(court.reglages.racines[1].cochee);
}

// A root on a disk that is not there keeps its path and is marked; the other lines are still read.
TEST_F(SettingsLecture, UnavailableRootAffectsThatRootOnly) {
    const QString absent = dossier.chemin("CleUSB/Photos");
    const LectureReglages l = lireLignesReglages(avec({{3, absent + "-1"}}));
    EXPECT_EQ(l.issue, IssueLectureReglages::Complet);
    EXPECT_EQ(l.racinesIndisponibles, QList<int>{1});
    EXPECT_EQ(l.reglages.racines[1].chemin, absent);
    EXPECT_TRUE(l.reglages.racines[1].cochee);
    EXPECT_FALSE(l.reglages.racines[1].disponible);
    EXPECT_TRUE(l.reglages.racines[0].disponible);
    EXPECT_TRUE(l.reglages.racines[2].disponible);
    EXPECT_EQ(l.reglages.racines[2].chemin, racine3);
    EXPECT_TRUE(l.reglages.personnagesCheck20);
    EXPECT_EQ(l.reglages.hScroll1, 7);
    EXPECT_EQ(kMessageLecteurAbsent, "Le lecteur est absent. Il faut choisir un répertoire de photos.");
}

TEST_F(SettingsLecture, WindowLines) {
    const struct {
        const char* etat;
        const char* haut;
        const char* gauche;
        const char* hauteur;
        const char* largeur;
        int lu[4];
        GeometrieFenetre appliquee;
    } cas[] = {
        {" 0", " 300", " 450", " 9000", " 13700", {300, 450, 9000, 13200}, {300, 450, 9000, 13200}},
        {" 0", " 2", " 2", " 11", " 4000", {2, 2, 11, 4000}, {2, 2, 11, 4000}},
        {" 0", " 1", " 1", " 10", " 10", {1, 1, 10, 10}, {0, 0, 0, 0}},
        {" 0", " 0", " 0", " 0", " 5000", {0, 0, 0, 5000}, {0, 0, 0, 5000}},
        {" 0", "-45", "-30", " 6000", " 5001", {-45, -30, 6000, 4501}, {0, 0, 6000, 4501}},
        {" 1", " 300", " 450", " 9000", " 13700", {300, 450, 9000, 13200}, {300, 450, 9000, 13200}},
        // Full screen whatever the other lines hold.
        {" 2", " 300", " 450", " 9000", " 13700", {0, 0, 0, 0}, {0, 0, 0, 0}},
    };
    for (const auto& c : cas) {
        const ReglagesLumeno r =
            lireLignesReglages(
                avec({{21, c.etat}, {22, c.haut}, {23, c.gauche}, {24, c.hauteur}, {25, c.largeur}}))
                .reglages;
        EXPECT_EQ(r.hautFenetre, c.lu[0]) << c.etat << c.largeur;
        EXPECT_EQ(r.gaucheFenetre, c.lu[1]) << c.etat << c.largeur;
        EXPECT_EQ(r.hauteurFenetre, c.lu[2]) << c.etat << c.largeur;
        EXPECT_EQ(r.largeurFenetre, c.lu[3]) << c.etat << c.largeur;
        const GeometrieFenetre g = geometrieApplicable(r);
        EXPECT_EQ(g.haut, c.appliquee.haut) << c.etat << c.largeur;
        EXPECT_EQ(g.gauche, c.appliquee.gauche) << c.etat << c.largeur;
        EXPECT_EQ(g.hauteur, c.appliquee.hauteur) << c.etat << c.largeur;
        EXPECT_EQ(g.largeur, c.appliquee.largeur) << c.etat << c.largeur;
    }
}

TEST_F(SettingsLecture, SliderPatternWebAndPlayerLines) {
    const struct {
        const char* ligne;
        int valeur;
    } curseur[] = {{"0", 4}, {"1", 1}, {"15", 15}, {"16", 4}, {"abc", 4}, {" 12", 12}, {"-3", 4}};
    for (const auto& c : curseur)
        EXPECT_EQ(lireLignesReglages(avec({{27, c.ligne}})).reglages.hScroll1, c.valeur) << c.ligne;

    const ReglagesLumeno sansFormat = lireLignesReglages(avec({{31, "0"}})).reglages;
    EXPECT_FALSE(sansFormat.formatDeclare);
    EXPECT_TRUE(sansFormat.formatPhotos1.isEmpty());

    const struct {
        const char* ligne;
        QString adresse;
    } web[] = {
        {"", kAdresseWebLumeno},
        {"   ", kAdresseWebLumeno},
        {"http://212.27.40.253/lumeno/", kAdresseWebLumeno},
        {"https://photos.exemple.org/", "https://photos.exemple.org/"},
    };
    for (const auto& c : web)
        EXPECT_EQ(lireLignesReglages(avec({{48, c.ligne}})).reglages.webAutreURL, c.adresse) << c.ligne;

    const struct {
        const char* ligne;
        bool deblocage;
    } player[] = {{"off", false}, {"of", false}, {"ofx", false}, {"on", true}, {"Off", true}, {"", true}};
    for (const auto& c : player)
        EXPECT_EQ(lireLignesReglages(avec({{62, c.ligne}})).reglages.deblocagePlayer, c.deblocage) << c.ligne;
}

TEST_F(SettingsLecture, CheckLinesReadTheirValue) {
    // Lines 10-12 hold the value at character 7.
    const ReglagesLumeno r =
        lireLignesReglages(avec({{10, "AVI___1"}, {11, "WMP___"}, {12, "MP3__1"}, {57, "0"}, {66, " 1"}}))
            .reglages;
    EXPECT_TRUE(r.configCheck6);
    EXPECT_FALSE(r.configCheck7);
    EXPECT_FALSE(r.configCheck8);
    EXPECT_FALSE(r.texteCheck16);
    EXPECT_TRUE(r.personnagesCheck20);
}

TEST_F(SettingsLecture, FilesOnDiskInAnyStateNeverStopTheReading) {
    // Windows-1252 with CR LF, as the program writes it.
    TexteFichier::ecrire(dossier.chemin("Lumeno1.txt"), type);
    LectureReglages l = lireReglages(dossier.chemin());
    EXPECT_EQ(l.issue, IssueLectureReglages::Complet);
    EXPECT_EQ(l.reglages.racines[2].chemin, racine3);
    EXPECT_EQ(l.reglages.webMotPasse, "sésame");

    // Empty file.
    dossier.fichier("Lumeno1.txt", {});
    l = lireReglages(dossier.chemin());
    EXPECT_EQ(l.issue, IssueLectureReglages::Incomplet);
    EXPECT_EQ(l.message, kMessageInitPasAJour);
    EXPECT_EQ(l.reglages.hScroll1, 12);

    // Binary bytes: read as text, garbage values, no crash, at most 66 lines taken.
    QByteArray binaire(8192, '\0');
    QRandomGenerator graine(42);
    for (char& c : binaire)
        c = static_cast<char>(graine.bounded(256));
    dossier.fichier("Lumeno1.txt", binaire);
    l = lireReglages(dossier.chemin());
    EXPECT_LE(l.lignesLues, 66);
    EXPECT_GE(l.reglages.hScroll1, 1);
    EXPECT_LE(l.reglages.hScroll1, 15);

    // Over-long: more lines than the layout, and a huge line; the extra is ignored.
    QStringList long_ = avec({{13, QString(1 << 20, 'x')}});
    for (int i = 0; i < 1000; ++i)
        long_ << "junk";
    dossier.fichier("Lumeno1.txt", TexteFichier::encoder(long_));
    l = lireReglages(dossier.chemin());
    EXPECT_EQ(l.issue, IssueLectureReglages::Complet);
    EXPECT_EQ(l.reglages.couleurTexteHtml.size(), 1 << 20);
    EXPECT_TRUE(l.reglages.personnagesCheck20);

    // LF line ends and a UTF-8 file with its byte-order mark.
    dossier.fichier("Lumeno1.txt", "\xEF\xBB\xBF" + type.join('\n').toUtf8() + "\n");
    l = lireReglages(dossier.chemin());
    EXPECT_EQ(l.issue, IssueLectureReglages::Complet);
    EXPECT_EQ(l.reglages.racines[2].chemin, racine3);

    // A name that cannot be read as a file.
    DossierTest autre;
    autre.dossier("Lumeno1.txt");
    l = lireReglages(autre.chemin());
    EXPECT_EQ(l.issue, IssueLectureReglages::Incomplet);
    EXPECT_EQ(l.message, kMessageInitPasAJour);
}
