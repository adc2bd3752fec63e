#include "Nombres.h"

#include <gtest/gtest.h>

TEST(Nombres, ValueOfLeadingDigits) {
    const struct {
        const char* texte;
        qint64 attendu;
    } cas[] = {
        {"2004-06-Plage", 2004}, {"   12abc", 12}, {"5-", 5},  {"Ju", 0},         {"", 0},
        {" -3", -3},             {"+7", 7},        {"  ", 0},  {"0012", 12},      {"1 2", 1},
        {"99999999999999999999999", 9223372036854775807}, {"-", 0},
    };
    for (const auto& c : cas)
        EXPECT_EQ(Nombres::valeur(QString::fromUtf8(c.texte)), c.attendu) << c.texte;
    EXPECT_EQ(Nombres::valeurEntier(u"99999999999"), 2147483647);
}

TEST(Nombres, SignedNumberTextPutsASpaceBeforeNonNegative) {
    EXPECT_EQ(Nombres::texteSigne(2005), " 2005");
    EXPECT_EQ(Nombres::texteSigne(0), " 0");
    EXPECT_EQ(Nombres::texteSigne(-3), "-3");
}

TEST(Nombres, FixedPositionReadsPastTheEndReadBlanks) {
    EXPECT_EQ(Nombres::milieu(u"2004-06", 6, 2), "06");
    EXPECT_EQ(Nombres::milieu(u"ab", 2, 3), "b  ");
    EXPECT_EQ(Nombres::milieu(u"ab", 0, 2), " a");
    EXPECT_EQ(Nombres::caractere(u"ab", 3), QChar(' '));
    EXPECT_EQ(Nombres::caractere(u"ab", 1), QChar('a'));
}
