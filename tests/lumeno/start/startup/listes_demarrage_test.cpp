#include "DossierTest.h"
#include "ListesDemarrage.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(StartupListes, FolderListHoldsEveryFirstLevelFolderOfTheTickedRoots) {
    DossierTest d;
    // More than the 300 slots an older version had: every folder is listed.
    for (int i = 0; i < 320; ++i)
        d.dossier(QStringLiteral("Racine1/D%1").arg(i, 3, 10, QLatin1Char('0')));
    d.dossier("Racine1/x-Lumeno/Miniatures");
    d.dossier("Racine1/D000/Profond");
    d.dossier("Racine2/Ignore");
    d.dossier("Racine3/Vacances");
    QFile::link(d.chemin("Racine3/Vacances"), d.chemin("Racine3/Lien"));
    std::array<RacineCatalogue, 3> racines;
    racines[0] = {d.chemin("Racine1"), true, true};
    racines[1] = {d.chemin("Racine2"), false, true};
    racines[2] = {d.chemin("Racine3"), true, true};
    const QStringList l = ListesDemarrage::repertoires(racines);
    ASSERT_EQ(l.size(), 321);
    EXPECT_EQ(l.first(), d.chemin("Racine1/D000"));
    EXPECT_EQ(l.at(319), d.chemin("Racine1/D319"));
    EXPECT_EQ(l.last(), d.chemin("Racine3/Vacances"));
    EXPECT_FALSE(l.contains(d.chemin("Racine1/x-Lumeno")));
    EXPECT_FALSE(l.contains(d.chemin("Racine2/Ignore")));
    EXPECT_FALSE(l.contains(d.chemin("Racine3/Lien")));
}

TEST(StartupListes, YearAndMonthListsKeepTheirBounds) {
    EXPECT_EQ(ListesDemarrage::annees({1800, 1801, 2009, 2010, 2024, 2027, 2028}, 2027),
              (QStringList{"", "1801", "2009", "2010", "2024", "2027"}));
    EXPECT_EQ(ListesDemarrage::mois({0, 1, 12, 13}), (QStringList{"", "1", "12"}));
    EXPECT_EQ(ListesDemarrage::mots({"Plage"}), (QStringList{" ", "Plage"}));
}

} // namespace
