#include "TablesTrouvees.h"

#include <gtest/gtest.h>

TEST(TablesTrouveesTest, FirstAppearanceOrderWithoutDuplicates) {
    TablesTrouvees t;
    for (const char* m : {"Plage", "Nice", "Plage", "Ecole"})
        t.ajouterMot(m);
    EXPECT_EQ(t.motsPourCatalogue(), QStringList({"Plage", "Nice", "Ecole"}));
    EXPECT_EQ(t.indexMots(), 4);
    for (int a : {2004, 9999, 2004})
        t.ajouterAnnee(a);
    EXPECT_EQ(t.anneesPourCatalogue(), QStringList({"2004", "9999"}));
    EXPECT_EQ(t.indexAnnees(), 3);
    t.ajouterMois(6);
    t.ajouterMois(0);
    t.ajouterMois(6);
    EXPECT_EQ(t.indexMois(), 3);
    EXPECT_EQ(t.moisPourCatalogue(), QStringList({"06", "00"}));
}

TEST(TablesTrouveesTest, YearTableStopsAt299AndKeeps298) {
    TablesTrouvees t;
    for (int i = 0; i < 400; ++i)
        t.ajouterAnnee(1700 + i);
    EXPECT_EQ(t.indexAnnees(), 299);
    const QStringList annees = t.anneesPourCatalogue();
    ASSERT_EQ(annees.size(), 298);
    EXPECT_EQ(annees.first(), "1700");
    EXPECT_EQ(annees.last(), QString::number(1700 + 297));
}

TEST(TablesTrouveesTest, WordLimitAndSlotCapacity) {
    TablesTrouvees t;
    for (int i = 0; i < 11994; ++i)
        t.ajouterMot("Mot" + QString::number(i));
    EXPECT_EQ(t.indexMots(), 11995);
    EXPECT_FALSE(t.motsAcceptes());
    TablesTrouvees u;
    for (int i = 0; i < 11993; ++i)
        u.ajouterMot("Mot" + QString::number(i));
    EXPECT_TRUE(u.motsAcceptes());
    // A file taken just below the limit may bring its words up to the table's 12000 slots.
    for (int i = 0; i < 20; ++i)
        u.ajouterMot("Autre" + QString::number(i));
    EXPECT_EQ(u.indexMots(), 12001);
    u.ajouterMot("EncoreUn");
    EXPECT_EQ(u.indexMots(), 12001);
}

TEST(TablesTrouveesTest, LongWordsAreCutTo80) {
    TablesTrouvees t;
    t.ajouterMot(QString(100, 'a'));
    t.ajouterMot(QString(80, 'b'));
    EXPECT_EQ(t.motsPourCatalogue(), QStringList({QString(80, 'a'), QString(80, 'b')}));
}
