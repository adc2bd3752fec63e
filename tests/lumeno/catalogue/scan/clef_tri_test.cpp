#include "ClefTri.h"

#include <gtest/gtest.h>

namespace {

const QString Dix = QString(10, QLatin1Char(' '));

ClefTri::Entree entree(int code, int annee, int mois, const QString& relatif, const QString& base,
                       const QString& type = QStringLiteral("jpg")) {
    ClefTri::Entree e;
    e.code = code;
    e.annee = annee;
    e.mois = mois;
    e.relatif = relatif;
    e.n = int(base.size());
    e.baseBourree = base.size() < 10 ? base + Dix : base;
    e.type = type;
    return e;
}

} // namespace

TEST(ClefTriTest, KeyForEachDateCode) {
    struct Cas {
        const char* quoi;
        ClefTri::Entree e;
        QString clef;
    };
    ClefTri::Entree alpha = entree(1, 2004, 6, "Vacances", "2004-06-10-Plage");
    alpha.triAlpha = true;
    ClefTri::Entree jour = entree(2, 2004, 6, "V", "20040615xx");
    jour.jourEnSeptieme = true;
    const Cas cas[] = {
        {"dated name with counter", entree(1, 2004, 6, "Vacances", "2004-06-2-Plage"),
         "2004-06Vacances0000000002-Plage5"},
        {"dated name, longer counter", entree(1, 2004, 6, "Vacances", "2004-06-10-Plage"),
         "2004-06Vacances0000000010-Plage5"},
        {"dated name without counter", entree(1, 2004, 6, "", "2004-06-Plage"), "2004-060000000000Plage5"},
        {"digits up to the last two characters: no counter", entree(1, 2004, 6, "", "2004-06-12345"),
         "2004-06455"},
        {"dated name shorter than 8", entree(1, 2004, 6, "V", "2004-06"), "2004-06V5"},
        {"alphabetical option", alpha, "2004-06Vacances-10-Plage5"},
        {"dated name without separator", entree(5, 2004, 6, "V", "200406Plage"), "2004-06VPlage5"},
        {"dated name without separator, short", entree(5, 2004, 6, "V", "200406"), "2004-06V5"},
        {"folder date", entree(3, 2003, 7, "Vacances/2003 Juillet", "Plage"),
         "2003-07Vacances/2003 JuilletPlage" + Dix + "5"},
        {"declared pattern with its day at 7", jour, "2004-0615V20040615xx5"},
        {"undated in the root", entree(4, 0, 0, "", "Plage"), "9999-00Plage" + Dix + "5"},
        {"comment sorts before its photo", entree(4, 0, 0, "", "Plage", "txt"), "9999-00Plage" + Dix + "00"},
        {"special comment", entree(4, 0, 0, "", "Plage", "Txr"), "9999-00Plage" + Dix + "00"},
        {"month out of range counts as 0", entree(4, 0, 45, "", "Plage"), "9999-00Plage" + Dix + "5"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(ClefTri::construire(c.e), c.clef) << c.quoi;
}

TEST(ClefTriTest, LongKeysAreCutTo253BeforeTheKindSuffix) {
    const QString relatif(200, QLatin1Char('r'));
    const QString base = "2004-06-2-" + QString(60, QLatin1Char('n'));
    const QString clef = ClefTri::construire(entree(1, 2004, 6, relatif, base));
    // Too long together: the plain year-month-folder-name text is cut, no counter is built.
    EXPECT_EQ(clef, ("2004-06" + relatif + base).left(253) + "5");

    const QString justeAssez(236, QLatin1Char('r')); // 4 + 2 + 236 + 12 = 254: not too long
    const QString clef2 = ClefTri::construire(entree(1, 2004, 6, justeAssez, "2004-06-2-ab"));
    EXPECT_EQ(clef2, ("2004-06" + justeAssez + "0000000002-ab").left(253) + "5");
}

TEST(ClefTriTest, TwoBeforeTenOnlyWithCounters) {
    const QString deux = ClefTri::construire(entree(1, 2004, 6, "V", "2004-06-2-Plage"));
    const QString dix = ClefTri::construire(entree(1, 2004, 6, "V", "2004-06-10-Plage"));
    EXPECT_LT(deux, dix);
    ClefTri::Entree a = entree(1, 2004, 6, "V", "2004-06-2-Plage"),
                    b = entree(1, 2004, 6, "V", "2004-06-10-Plage");
    a.triAlpha = b.triAlpha = true;
    EXPECT_GT(ClefTri::construire(a), ClefTri::construire(b));
}
