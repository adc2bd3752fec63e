#include "AnatomieNom.h"
#include "FormatDeclare.h"

#include "ImpressionQString.h"

#include <gtest/gtest.h>

TEST(NamingAnatomie, CutsThreeAndFourLetterExtensionsOnly) {
    const struct {
        const char* nom;
        bool media;
        const char* base;
        const char* extension;
    } cas[] = {
        {"2004-06-Plage.jpg", true, "2004-06-Plage", "jpg"},
        {"clip.mpeg", true, "clip", "mpeg"},
        {"a.jpg", true, "a", "jpg"},
        {".jpeg", true, "", "jpeg"},
        {"a.b.c.JPG", true, "a.b.c", "JPG"},
        {"Noël à Paris.jpg", true, "Noël à Paris", "jpg"},
        {"ab.c", false, "", ""},        // shorter than 5
        {"abcde", false, "", ""},       // no dot
        {"photo.jp", false, "", ""},    // 2-letter extension
        {"photo.jpegs", false, "", ""}, // 5-letter extension
        {"", false, "", ""},
    };
    for (const auto& c : cas) {
        const AnatomieNom a = decouperNom(QString::fromUtf8(c.nom));
        EXPECT_EQ(a.media, c.media) << c.nom;
        EXPECT_EQ(a.base, QString::fromUtf8(c.base)) << c.nom;
        EXPECT_EQ(a.extension, QString::fromUtf8(c.extension)) << c.nom;
    }
}

TEST(NamingAnatomie, TrailingSpaceIsStoredAsMarkerAndRestored) {
    const AnatomieNom a = decouperNom(QStringLiteral("Plage .jpg"));
    EXPECT_EQ(a.base, "Plage ");
    EXPECT_EQ(a.baseMarquee, QStringLiteral("Plage") + QChar(2));
    // Stored names lose their trailing spaces; the marker survives that.
    EXPECT_EQ(retablirEspaceFinal(a.baseMarquee.trimmed()), "Plage ");

    // A 4-letter extension keeps its trailing space the same way, so the path can be rebuilt.
    EXPECT_EQ(decouperNom(QStringLiteral("clip .mpeg")).baseMarquee, QStringLiteral("clip") + QChar(2));

    // Only the last character is concerned, and names without it pass unchanged.
    EXPECT_EQ(marquerEspaceFinal(QStringLiteral(" a  ")), QStringLiteral(" a ") + QChar(2));
    EXPECT_EQ(marquerEspaceFinal(QStringLiteral("Plage")), "Plage");
    EXPECT_EQ(retablirEspaceFinal(QStringLiteral("Plage")), "Plage");
    EXPECT_EQ(retablirEspaceFinal(QString(QChar(2)) + "a"), QString(QChar(2)) + "a");
    EXPECT_EQ(marquerEspaceFinal(QString()), QString());
}

TEST(NamingFormat, AnalysesTheDeclaredPattern) {
    const struct {
        const char* motif;
        int annee, chiffres, mois, jour;
        bool declare;
    } cas[] = {
        {"xxMMAAxxxxxx", 5, 2, 3, 0, true},
        {"AAAAMMJJ_xxx", 1, 4, 5, 7, true},
        {"  AAAAxxxx  ", 1, 4, 0, 0, true}, // trimmed; no month
        {"AAAA-MM-JJ", 1, 4, 6, 0, true},   // day only for AAAAMMJJ
        {"AAMMJJ", 1, 2, 3, 0, true},
        {"AAxxAAAA", 5, 4, 0, 0, true},  // later finds overwrite
        {"AAAAxxAA", 1, 4, 0, 0, true},  // no 2-digit year once AAAA was seen
        {"MMxxMMxx", 0, 0, 5, 0, false}, // the last MM wins; no year: not declared
        {"", 0, 0, 0, 0, false},
        {"     ", 0, 0, 0, 0, false},
        {"aaaammjj", 0, 0, 0, 0, false}, // case-exact
    };
    for (const auto& c : cas) {
        const FormatDeclare f = analyserFormat(QString::fromLatin1(c.motif));
        EXPECT_EQ(f.positionAnnee, c.annee) << c.motif;
        EXPECT_EQ(f.chiffresAnnee, c.chiffres) << c.motif;
        EXPECT_EQ(f.positionMois, c.mois) << c.motif;
        EXPECT_EQ(f.positionJour, c.jour) << c.motif;
        EXPECT_EQ(f.declare, c.declare) << c.motif;
    }
}
