#include "FichierContextes.h"
#include "LignesContexte.h"

#include <gtest/gtest.h>

namespace {

GrilleContextes grilleDe(const QStringList& lignes) {
    GrilleContextes g;
    FichierContextes::remplirGrille(g, lignes, 2030, 1990);
    return g;
}

int lignesMarquees(const LignesContexte& l) {
    int n = 0;
    for (const LigneContexte& x : l)
        n += x.marqueur == "*";
    return n;
}

} // namespace

TEST(ContextsLignes, ChoosesTheNamedContextUpToTheNextHeaderWithoutTrailingBlankRows) {
    const GrilleContextes g =
        grilleDe({"CONTEXTE,Initial,,,,", ",2003,,,,", "CONTEXTE,Vacances ,,,,", "Mer,2001,7,2001,8,",
                  ",,,,,", "Ski,2002,2,,,", ",,,,,", ",,,,,", "CONTEXTE,Vide,,,,", ",,,,,", ",,,,,",
                  "CONTEXTE,Colle,,,,", "CONTEXTE,Suivant,,,,", "x,,,,,"});
    std::optional<QString> demarrage;
    LignesContexte l;

    // Trailing spaces of a name do not count; the blank row between two criteria stays.
    EXPECT_EQ(ChargeLignesContexte(g, "Vacances", demarrage, l), "Vacances");
    EXPECT_EQ(lignesMarquees(l), 3);
    EXPECT_EQ(l[0].dossier, "Mer");
    EXPECT_EQ(l[0].anneeDebut, "2001");
    EXPECT_EQ(l[0].moisFin, "8");
    EXPECT_EQ(l[1].dossier, "");
    EXPECT_EQ(l[2].dossier, "Ski");

    // A context of blank rows keeps one empty line; a header followed at once by another header
    // has no line of its own and is not read as a criteria line.
    for (const char* nom : {"Vide", "Colle"}) {
        ChargeLignesContexte(g, nom, demarrage, l);
        EXPECT_EQ(lignesMarquees(l), 1) << nom;
        EXPECT_EQ(l[0].dossier, "") << nom;
    }

    // Names are compared exactly: another case is another name, and an unknown name falls back on
    // the first context's lines.
    ChargeLignesContexte(g, "vacances", demarrage, l);
    EXPECT_EQ(lignesMarquees(l), 1);
    EXPECT_EQ(l[0].anneeDebut, "2003");
}

TEST(ContextsLignes, PendingStartUpContextIsConsumedOnce) {
    const GrilleContextes g = grilleDe({"CONTEXTE,Initial,,,,", ",2003,,,,", "CONTEXTE,Autre,,,,", "Z,,,,,"});
    std::optional<QString> demarrage = QString("Autre");
    LignesContexte l;
    EXPECT_EQ(ChargeLignesContexte(g, "(Aucun)", demarrage, l), "Autre");
    EXPECT_FALSE(demarrage.has_value());
    EXPECT_EQ(l[0].dossier, "Z");
    EXPECT_EQ(ChargeLignesContexte(g, "Initial", demarrage, l), "Initial");
    EXPECT_EQ(premierContexte(g), "Initial");
    EXPECT_EQ(nomsContextes(g), QStringList({"(Aucun)", "Initial", "Autre"}));
}

TEST(ContextsLignes, AtMostTwentyLinesAndNeverPastRow199) {
    QStringList lignes{"CONTEXTE,Long,,,,"};
    for (int i = 1; i <= 30; ++i)
        lignes << QString("d%1,,,,,").arg(i);
    LignesContexte l;
    std::optional<QString> demarrage;
    ChargeLignesContexte(grilleDe(lignes), "Long", demarrage, l);
    EXPECT_EQ(lignesMarquees(l), 20);
    EXPECT_EQ(l[19].dossier, "d20");

    QStringList fin;
    while (fin.size() < 196)
        fin << ",,,,,";
    fin << "CONTEXTE,Bas,,,,"
        << "a,,,,,"
        << "b,,,,,"
        << "c,,,,,"
        << "d,,,,,";
    // The header is on row 197: rows 198 and 199 only; row 200 never, row 201 is the overflow.
    ChargeLignesContexte(grilleDe(fin), "Bas", demarrage, l);
    EXPECT_EQ(lignesMarquees(l), 2);
    EXPECT_EQ(l[1].dossier, "b");
}
