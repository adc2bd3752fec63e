#include "ValeursDialogueVeille.h"
#include "ParametresVeille.h"

#include <gtest/gtest.h>

TEST(screensaver_ValeursDialogue, WritesTheTwentyTwoLineLayout) {
    ValeursDialogueVeille v;
    v.chemin = QStringLiteral("/home/anne/Lumeno");
    v.aleatoire = QStringLiteral("5");
    v.mot = QStringLiteral("Mer");
    v.tempo = QStringLiteral("12");
    v.internet = true;
    v.motInternet = QStringLiteral("web");
    v.annee = QStringLiteral("2004");
    const QStringList l = v.versLignes();
    ASSERT_EQ(l.size(), 22);
    EXPECT_EQ(l[0], QStringLiteral("----Config"));
    EXPECT_EQ(l[4], QStringLiteral(" "));
    EXPECT_EQ(l[7], QStringLiteral("Ne pas changer le nombre de lignes !!"));
    for (int i = 8; i < 14; ++i) {
        EXPECT_EQ(l[i], QStringLiteral("-"));
    }
    EXPECT_EQ(l[14], QStringLiteral("<---- Ligne Numéro 15 du fichier (vérifier cela en cas de problème)."));
    EXPECT_EQ(l[15], QStringLiteral("/home/anne/Lumeno"));
    EXPECT_EQ(l[16], QStringLiteral("5               <-- Ecran de Veille : Aléatoire ou nombre "));
    EXPECT_EQ(l[17], QStringLiteral("Mer              <-- Ecran de Veille : Mot possible pour recherche "));
    EXPECT_EQ(l[18], QStringLiteral("12             <-- Ecran de Veille : temps entre photos en  secondes "));
    EXPECT_EQ(l[19], QStringLiteral("1"));
    EXPECT_EQ(l[20], QStringLiteral("web"));
    EXPECT_EQ(l[21], QStringLiteral("2004                   Année possible"));
}

TEST(screensaver_ValeursDialogue, SkipCountBelowOneMeansRandom) {
    const struct {
        const char* tape;
        const char* ecrit;
    } cas[] = {{"0", "Aléatoire"},        {"abc", "Aléatoire"},          {"-4", "Aléatoire"},
               {"", "Aléatoire"},         {"Aléatoire   ", "Aléatoire"}, {"1", "1"},
               {"25 photos", "25 photos"}};
    for (const auto& c : cas) {
        ValeursDialogueVeille v;
        v.aleatoire = QString::fromUtf8(c.tape);
        EXPECT_TRUE(v.versLignes()[16].startsWith(QString::fromUtf8(c.ecrit) + QStringLiteral("    ")))
            << c.tape;
    }
}

TEST(screensaver_ValeursDialogue, ReadsBackOnlyTheFirstCharacters) {
    // A 12-letter word is saved whole, read back as 8 letters by the dialog and by the screen saver.
    ValeursDialogueVeille v;
    v.chemin = QStringLiteral("/opt/lumeno");
    v.aleatoire = QStringLiteral("Aléatoire");
    v.mot = QStringLiteral("Montagnesxyz");
    v.tempo = QStringLiteral("1000");
    v.annee = QStringLiteral("2004-2005 ici");
    const QStringList lignes = v.versLignes();
    EXPECT_TRUE(lignes[17].startsWith(QStringLiteral("Montagnesxyz ")));

    const ValeursDialogueVeille relu = ValeursDialogueVeille::depuisLignes(lignes);
    EXPECT_EQ(relu.chemin, QStringLiteral("/opt/lumeno"));
    EXPECT_EQ(relu.aleatoire, QStringLiteral("Aléatoire   "));
    EXPECT_EQ(relu.mot, QStringLiteral("Montagne"));
    EXPECT_EQ(relu.tempo, QStringLiteral("100"));
    EXPECT_EQ(relu.annee, QStringLiteral("2004-200"));

    const auto veille = LectureVeille::interpreter(lignes);
    EXPECT_EQ(veille.parametres.mot, QStringLiteral("Montagne"));
    EXPECT_EQ(veille.parametres.intervalle, 32); // the screen saver reads 4 digits: 1000
    EXPECT_EQ(veille.parametres.annee, QStringLiteral("2004"));
    EXPECT_TRUE(veille.parametres.veilleAleatoire);

    // Saving what was read back changes nothing the screen saver sees.
    const auto encore = LectureVeille::interpreter(relu.versLignes());
    EXPECT_EQ(encore.parametres.mot, veille.parametres.mot);
    EXPECT_EQ(encore.parametres.veilleAleatoire, veille.parametres.veilleAleatoire);
}

TEST(screensaver_ValeursDialogue, ShortFileKeepsLaterDefaults) {
    QStringList lignes;
    for (int i = 1; i <= 18; ++i) {
        lignes << (i == 17 ? QStringLiteral("7   <-- x") : QStringLiteral("x"));
    }
    const auto v = ValeursDialogueVeille::depuisLignes(lignes);
    EXPECT_EQ(v.aleatoire, QStringLiteral("7   <-- x"));
    EXPECT_EQ(v.mot, QStringLiteral("x"));
    EXPECT_EQ(v.tempo, QStringLiteral("20"));
    EXPECT_FALSE(v.internet);
}
