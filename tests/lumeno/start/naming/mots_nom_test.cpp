#include "AnatomieNom.h"
#include "Datation.h"
#include "MotsNom.h"

#include "ImpressionQString.h"

#include <gtest/gtest.h>

TEST(NamingMots, WordsOfANameAndItsFolder) {
    const struct {
        const char* dossier;
        const char* base;
        const char* mots; // joined with "," for the comparison
    } cas[] = {
        {"", "Noël_à_Paris", "Noel,Paris"},
        {"", "PlageNice", "Plage,Nice"},
        {"", "PLAGE", "Plage"},
        {"", "plage", "Plage"},
        {"", "PLAGEnice", "Plage,Nice"},
        {"", "2004-06-00012-Plage-Nice", "Plage,Nice"},
        {"Vacances", "2004-06-Plage", "Vacances,Plage"},
        {"", "L'été à Nice", "Ete,Nice"},
        {"", "Fête_des_Mères", "Fete,Des,Meres"},
        {"", "ÉTÉ Île", "Ete,Ile"},
        {"", "Straße", "Stra"},        // ß becomes S, a capital: the case change cuts
        {"", "Un_a_de_Oui", "De,Oui"}, // "de" keeps the space it started with, so it counts
        {"", "ab", ""},
        {"", "a", ""},
        {"", "x", ""},
        {"Soirée       s", "Robe", "Soiree,Robe"},
        {"", "IMG_1234", "Img"},
        {"", "Photo ", "Photo"},
    };
    for (const auto& c : cas) {
        const QStringList mots = extraireMots(QString::fromUtf8(c.dossier), QString::fromUtf8(c.base));
        EXPECT_EQ(mots.join(','), QString::fromUtf8(c.mots)) << c.dossier << " | " << c.base;
    }
}

TEST(NamingMots, WordsOfAShortNameWithItsFiller) {
    // The scan passes the base name with its filler; the filler adds no word.
    const Datation d = dater("Plage", 5, "/photos/Vacances", 7, {});
    EXPECT_EQ(extraireMots(d.texteMotsDossier, d.baseBourree), (QStringList{"Vacances", "Plage"}));
}

TEST(NamingMots, TheTwentyFirstWordTakesTheFirstSlot) {
    QStringList source;
    for (int i = 0; i < 22; ++i)
        source << QStringLiteral("Mot") + QChar(u'a' + i) + QStringLiteral("x");
    const QStringList mots = extraireMots(QString(), source.join(' '));
    ASSERT_EQ(mots.size(), 20);
    EXPECT_EQ(mots[0], "Motux");
    EXPECT_EQ(mots[1], "Motvx");
    EXPECT_EQ(mots[2], "Motcx");
    EXPECT_EQ(mots[19], "Mottx");
}

TEST(NamingMots, CapitalisationLowersTheUpperRange) {
    EXPECT_EQ(capitaliser("PLAGE"), "Plage");
    EXPECT_EQ(capitaliser("plage"), "Plage");
    EXPECT_EQ(capitaliser("A[B\\"), "A{b|");
    EXPECT_EQ(capitaliser("éte"), "éte");
    EXPECT_EQ(capitaliser(""), "");
}

TEST(NamingMots, FoldingTurnsSeparatorsAndDigitsIntoSpaces) {
    EXPECT_EQ(plierTexte(QStringLiteral("  (l'été)_2004 & co! ")),
              QStringLiteral("l ete") + QString(9, ' ') + "co");
    EXPECT_EQ(plierTexte(QStringLiteral("çôöüùûîïàâáÎÉß€@~^*;:°")), "coouuuiiaaaIES");
}

TEST(NamingMots, MotsTextKeepsUnder81Characters) {
    EXPECT_EQ(texteMots({"Plage", "Nice"}), "Plage-Nice-");
    EXPECT_EQ(texteMots({}), "");
    const QString neuf(9, 'a');
    QStringList mots(7, neuf); // 70 characters with their dashes
    mots << QString(11, 'b');  // 70 + 11 = 81: left out
    mots << QString(10, 'c');  // 70 + 10 = 80: fits, the text reaches 81
    mots << "Dd";              // left out, later ones are still tried
    QString attendu;
    for (int i = 0; i < 7; ++i)
        attendu += neuf + "-";
    attendu += QString(10, 'c') + "-";
    EXPECT_EQ(texteMots(mots), attendu);
}

// The whole chain of the scan for one file: cut, date, words, Mots text.
TEST(NamingMots, ChainOfTheScanForOneFile) {
    const struct {
        const char* nom;
        const char* dossier;
        int code, annee, mois;
        const char* mots;
    } cas[] = {
        {"Plage.jpg", "/photos/2004 Vacances", 3, 2004, 0, "Vacances-Plage-"},
        {"2004-06-00012-Plage-Nice.jpg", "/photos/Vacances", 1, 2004, 6, "Vacances-Plage-Nice-"},
        {"2004-06 .jpg", "/photos", 1, 2004, 6, ""},
        {"Plage .jpg", "/photos/Été 2003 à Nîmes", 3, 2003, 0, "Ete-Nimes-Plage-"},
        {"2004-06-Clip.mpeg", "/photos/Films", 1, 2004, 6, "Films-Clip-"},
        {"Bal.jpg", "/photos/Soirée 2005 Mars", 3, 2005, 3, "Bal-"},
    };
    for (const auto& c : cas) {
        const AnatomieNom a = decouperNom(QString::fromUtf8(c.nom));
        ASSERT_TRUE(a.media) << c.nom;
        const Datation d = dater(a.baseMarquee, static_cast<int>(a.baseMarquee.size()),
                                 QString::fromUtf8(c.dossier), longueurRacine("/photos"), FormatDeclare{});
        EXPECT_EQ(d.code, c.code) << c.nom;
        EXPECT_EQ(d.annee, c.annee) << c.nom;
        EXPECT_EQ(d.mois, c.mois) << c.nom;
        EXPECT_EQ(texteMots(extraireMots(d.texteMotsDossier, d.baseBourree)), QString::fromUtf8(c.mots))
            << c.nom;
    }
}
