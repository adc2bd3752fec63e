#include "ParametresVeille.h"
#include "FichierVeille.h"

#include <gtest/gtest.h>

namespace {

// The 22 lines of a copy whose lines 16 to 22 are given.
QStringList copie(const QStringList& fin) {
    QStringList lignes;
    for (int i = 1; i <= 15; ++i) {
        lignes << QStringLiteral("-");
    }
    return lignes + fin;
}

} // namespace

TEST(screensaver_ParametresVeille, ReadsAFullCopy) {
    const auto lecture = LectureParametresVeille::interpreter(copie({
        QStringLiteral("  /home/anne/Lumeno/  "),
        QStringLiteral("5               <-- Ecran de Veille : Aléatoire ou nombre "),
        QStringLiteral("Mer              <-- Ecran de Veille : Mot possible pour recherche "),
        QStringLiteral("12             <-- Ecran de Veille : temps entre photos en  secondes "),
        QStringLiteral("1"),
        QStringLiteral(" mot web "),
        QStringLiteral("2004                   Année possible"),
    }));
    EXPECT_EQ(lecture.issue, LectureParametresVeille::Issue::Complete);
    const ParametresVeille& p = lecture.parametres;
    EXPECT_EQ(p.dossierProgramme, QStringLiteral("/home/anne/Lumeno"));
    EXPECT_FALSE(p.veilleAleatoire);
    EXPECT_EQ(p.sautDiaporama, 6); // the count plus one: the draw is below it, so 0 to 5
    EXPECT_EQ(p.mot, QStringLiteral("Mer"));
    EXPECT_EQ(p.intervalle, 12);
    EXPECT_EQ(p.intervalleTimerMs(), 12030);
    EXPECT_TRUE(p.modeWeb);
    EXPECT_EQ(p.motWeb, QStringLiteral(" mot web "));
    EXPECT_EQ(p.annee, QStringLiteral("2004"));
}

TEST(screensaver_ParametresVeille, RandomModeAndWordCutToEightCharacters) {
    const auto lecture = LectureParametresVeille::interpreter(copie({
        QStringLiteral("/opt/lumeno"),
        QStringLiteral("Aléatoire               <-- Ecran de Veille : Aléatoire ou nombre "),
        QStringLiteral("Montagnesxyz              <-- Ecran de Veille : Mot possible pour recherche "),
        QStringLiteral("8           <-- Ecran de Veille : temps entre photos en  secondes "),
        QStringLiteral("0"),
        QString(),
        QStringLiteral("                   Année possible"),
    }));
    EXPECT_TRUE(lecture.parametres.veilleAleatoire);
    EXPECT_EQ(lecture.parametres.sautDiaporama, 0);
    EXPECT_EQ(lecture.parametres.mot, QStringLiteral("Montagne"));
    EXPECT_FALSE(lecture.parametres.modeWeb);
    EXPECT_EQ(lecture.parametres.annee, QString());
}

TEST(screensaver_ParametresVeille, PaceBounds) {
    const struct {
        const char* ligne;
        int secondes;
    } cas[] = {
        {"40          <-- x", 32},
        {"32", 32},
        {"1           <-- x", 10},
        {"0", 10},
        {"abc", 10},
        {"2", 2},
        {"5", 5},
        {" 7", 7},
        {"", 10},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(ParametresVeille::intervalleBorne(QString::fromUtf8(c.ligne)), c.secondes) << c.ligne;
    }
}

TEST(screensaver_ParametresVeille, ACopyOfTwentyLinesEndsEarly) {
    // Lines 17 to 20 are read, the end comes at line 21: random mode is dropped and the pace is
    // 20 seconds whatever line 19 said; the values read before the end stay.
    const auto lecture = LectureParametresVeille::interpreter(copie({
        QStringLiteral("/opt/lumeno"),
        QStringLiteral("Aléatoire        <-- Ecran de Veille : Aléatoire ou nombre "),
        QStringLiteral("Mer         <-- Ecran de Veille : Mot possible pour recherche "),
        QStringLiteral("8           <-- Ecran de Veille : temps entre photos en  secondes "),
        QStringLiteral("1"),
    }));
    ASSERT_EQ(lecture.issue, LectureParametresVeille::Issue::FinDeFichier);
    EXPECT_FALSE(lecture.parametres.veilleAleatoire);
    EXPECT_EQ(lecture.parametres.intervalle, 20);
    EXPECT_EQ(lecture.parametres.intervalleTimerMs(), 20030);
    EXPECT_EQ(lecture.parametres.dossierProgramme, QStringLiteral("/opt/lumeno"));
    EXPECT_EQ(lecture.parametres.mot, QStringLiteral("Mer"));
    EXPECT_TRUE(lecture.parametres.modeWeb);
}

TEST(screensaver_ParametresVeille, ShortCopiesStopWhereTheyEnd) {
    for (int lignes : {0, 10, 15, 16, 19}) {
        QStringList fichier;
        for (int i = 1; i <= lignes; ++i) {
            fichier << (i == 16 ? QStringLiteral("/opt/lumeno") : QStringLiteral("Aléatoire"));
        }
        const auto lecture = LectureParametresVeille::interpreter(fichier);
        EXPECT_EQ(lecture.issue, LectureParametresVeille::Issue::FinDeFichier) << lignes;
        EXPECT_EQ(lecture.parametres.intervalle, 20) << lignes;
        EXPECT_FALSE(lecture.parametres.veilleAleatoire) << lignes;
        EXPECT_EQ(lecture.parametres.dossierLu, lignes >= 16) << lignes;
    }
}

TEST(screensaver_ParametresVeille, ReadsWhatTheSettingsDialogWrites) {
    // A 12-letter word is saved whole; the screen saver keeps its first 8 letters. A skip count
    // that is not a number is saved as random mode; a pace of 1000 is read on 4 digits.
    FichierVeille saisie;
    saisie.cheminProgramme = QStringLiteral("/opt/lumeno/");
    saisie.aleatoire = QStringLiteral("zéro");
    saisie.mot = QStringLiteral("Montagnesxyz");
    saisie.tempo = QStringLiteral("1000");
    saisie.annee = QStringLiteral("2004");
    const QStringList lignes = lignesFichierVeille(saisie);
    EXPECT_TRUE(lignes[17].startsWith(QStringLiteral("Montagnesxyz ")));
    const auto lu = LectureParametresVeille::interpreter(lignes);
    EXPECT_EQ(lu.issue, LectureParametresVeille::Issue::Complete);
    EXPECT_EQ(lu.parametres.dossierProgramme, QStringLiteral("/opt/lumeno"));
    EXPECT_TRUE(lu.parametres.veilleAleatoire);
    EXPECT_EQ(lu.parametres.mot, QStringLiteral("Montagne"));
    EXPECT_EQ(lu.parametres.intervalle, 32);
    EXPECT_EQ(lu.parametres.annee, QStringLiteral("2004"));

    saisie.aleatoire = QStringLiteral("5");
    const auto compte = LectureParametresVeille::interpreter(lignesFichierVeille(saisie));
    EXPECT_FALSE(compte.parametres.veilleAleatoire);
    EXPECT_EQ(compte.parametres.sautDiaporama, 6);
}
