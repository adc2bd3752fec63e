#include "CatalogueEssai.h"
#include "FormesMot.h"
#include "Selection.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Key order of the fixture: dated items by year and month, the undated one last.
std::vector<LigneEssai> collection() {
    return {
        {"/photos/2002/Noel", "Sapin", 2002, 12, "jpg", "Sapin-"},
        {"/photos/2003", "Plage-Nice", 2003, 1, "jpg", "Plage-Nice-"},
        {"/photos/2003", "Port", 2003, 4, "JPG", "Port-"},
        {"/photos/2003 Vacances", "Mer", 2003, 7, "jpg", "Mer-"},
        {"/photos/2003/Noel", "Neige", 2003, 12, "jpg", "Neige-"},
        {"/photos", "Racine", 2004, 2, "jpg", "Racine-"},
        {"/photos/2004", "ete-2004", 2004, 7, "jpg", "Ete-"},
        {"/photos/Fêtes été", "Bal", 2004, 8, "jpg", "Bal-"},
        {"/photos/2005", "Film DivX", 2005, 7, "avi", "Film-Divx-"},
        {"/photos/2005", "Ensoleille", 2005, 9, "bmp", "Ensoleille-"},
        {"/photos/Divers", "Vrac", 0, 0, "jpg", "_"},
    };
}

const QStringList kDossiers{"/photos/2002", "/photos/2003",   "/photos/2003 Vacances", "/photos/2004",
                            "/photos/2005", "/photos/Divers", "/photos/Fêtes été"};

CriteresSelection criteresDeBase() {
    CriteresSelection c;
    c.Racines = {"/photos", "", ""};
    c.RepertChoix = kDossiers;
    c.toutRetenir();
    c.VideoAutorisee = false;
    return c;
}

QStringList selectionner(CatalogueEssai& cat, CriteresSelection c) {
    c.preparerMots();
    ActPhoto courant;
    EtatSelection etat;
    Selection selection(cat.catalogue().base(), courant, c, etat);
    selection.ouvrir();
    QStringList noms;
    for (int garde = 0; garde < 100; ++garde) {
        const Selection::Resultat r = selection.RechercheSelection();
        if (r != Selection::Resultat::Trouve)
            break;
        noms << courant.Nom;
        if (etat.BddEOF)
            break;
    }
    EXPECT_TRUE(etat.BddEOF);
    return noms;
}

LignesContexte contexte(std::initializer_list<LigneContexte> lignes) {
    LignesContexte l;
    int i = 0;
    for (const LigneContexte& x : lignes)
        l[i++] = x;
    return l;
}

struct Cas {
    const char* nom;
    std::function<void(CriteresSelection&)> regler;
    QStringList attendu;
};

} // namespace

TEST(SelectionRegles, TableOfCriteriaOverASmallCatalogue) {
    CatalogueEssai cat(collection());
    const QStringList tout{"Sapin",  "Plage-Nice", "Port", "Mer",        "Neige",
                           "Racine", "ete-2004",   "Bal",  "Ensoleille", "Vrac"};
    const Cas cas[] = {
        {"nothing set: all but the DivX video", [](CriteresSelection&) {}, tout},
        {"video allowed",
         [](CriteresSelection& c) { c.VideoAutorisee = true; },
         {"Sapin", "Plage-Nice", "Port", "Mer", "Neige", "Racine", "ete-2004", "Bal", "Film DivX",
          "Ensoleille", "Vrac"}},
        {"year only: from January on, never the undated",
         [](CriteresSelection& c) { c.AnneeRecherche = "2004"; },
         {"Racine", "ete-2004", "Bal", "Ensoleille"}},
        {"year and month: from April 2003",
         [](CriteresSelection& c) {
             c.AnneeRecherche = "2003";
             c.MoisRecherche = "04";
         },
         {"Port", "Mer", "Neige", "Racine", "ete-2004", "Bal", "Ensoleille"}},
        {"month only: that month of every year",
         [](CriteresSelection& c) { c.MoisRecherche = "7"; },
         {"Mer", "ete-2004"}},
        {"year below 1699 with a month: that month or later of every year",
         [](CriteresSelection& c) {
             c.AnneeRecherche = "1500";
             c.MoisRecherche = "8";
         },
         {"Sapin", "Neige", "Bal", "Ensoleille"}},
        {"year 1699: no date test",
         [](CriteresSelection& c) {
             c.AnneeRecherche = "1699";
             c.MoisRecherche = "7";
         },
         tout},
        {"year 2085: no date test",
         [](CriteresSelection& c) {
             c.AnneeRecherche = "2085";
             c.MoisRecherche = "7";
         },
         tout},
        {"month 13: the year itself fails, later years pass",
         [](CriteresSelection& c) {
             c.AnneeRecherche = "2003";
             c.MoisRecherche = "13";
         },
         {"Racine", "ete-2004", "Bal", "Ensoleille"}},
        {"one-letter word is ignored", [](CriteresSelection& c) { c.MotRecherche = "e"; }, tout},
        {"two-letter word in names and folder paths after the root",
         [](CriteresSelection& c) { c.MotRecherche = " No "; },
         {"Sapin", "Neige"}},
        {"root part of the path is left out", [](CriteresSelection& c) { c.MotRecherche = "photo"; },
         QStringList{}},
        {"accented word finds its folded forms",
         [](CriteresSelection& c) { c.MotRecherche = "été"; },
         {"ete-2004", "Bal"}},
        {"list word typed in lower case",
         [](CriteresSelection& c) { c.MotListe = FormesMot::motListe("  plage ", -1); },
         {"Plage-Nice"}},
        {"list word never matches inside a longer word", [](CriteresSelection& c) { c.MotListe = "Ensol"; },
         QStringList{}},
        {"free word and list word are alternatives",
         [](CriteresSelection& c) {
             c.MotRecherche = "Sap";
             c.MotListe = "Mer";
         },
         {"Sapin", "Mer"}},
        {"start position", [](CriteresSelection& c) { c.TriDepart = 9; }, {"Ensoleille", "Vrac"}},
        {"screen saver: JPEG and BMP only",
         [](CriteresSelection& c) {
             c.VeilleActive = true;
             c.VideoAutorisee = true;
         },
         tout},
    };
    for (const Cas& c : cas) {
        CriteresSelection criteres = criteresDeBase();
        c.regler(criteres);
        EXPECT_EQ(selectionner(cat, criteres), c.attendu) << c.nom;
    }
}

TEST(SelectionRegles, FolderTicks) {
    CatalogueEssai cat(collection());
    struct CasDossier {
        const char* nom;
        QStringList liste;
        std::vector<bool> coches;
        QStringList attendu;
    };
    const CasDossier cas[] = {
        // "2003 Vacances" unticked: the ticked "2003" before it does not let it through, and the item
        // lying directly in the root fails once a folder is unticked.
        {"sibling whose name begins with a ticked entry",
         kDossiers,
         {true, true, false, true, true, true, true},
         {"Sapin", "Plage-Nice", "Port", "Neige", "ete-2004", "Bal", "Ensoleille", "Vrac"}},
        {"only the sibling ticked", kDossiers, {false, false, true, false, false, false, false}, {"Mer"}},
        // An unticked entry does not stop the scan: a later ticked entry covering the folder counts.
        {"unticked parent, ticked sub-folder further down",
         {"/photos/2003", "/photos/2003/Noel"},
         {false, true},
         {"Neige"}},
    };
    for (const CasDossier& c : cas) {
        CriteresSelection criteres = criteresDeBase();
        criteres.RepertChoix = c.liste;
        criteres.retenir(c.coches);
        EXPECT_EQ(selectionner(cat, criteres), c.attendu) << c.nom;
    }

    // Directly in a root: passes only while every folder is ticked.
    CriteresSelection tous = criteresDeBase();
    EXPECT_TRUE(selectionner(cat, tous).contains("Racine"));
    // An empty folder list applies no folder test at all.
    CriteresSelection vide = criteresDeBase();
    vide.RepertChoix.clear();
    vide.retenir({});
    EXPECT_TRUE(selectionner(cat, vide).contains("Racine"));
}

TEST(SelectionRegles, Contexts) {
    CatalogueEssai cat(collection());
    auto avecContexte = [](LignesContexte lignes) {
        CriteresSelection c = criteresDeBase();
        c.ContexteChoisi = "Essai";
        c.ContexteExiste = true;
        c.LignesContexte_ = lignes;
        return c;
    };

    // Unmarked lines accept nothing: the selection ends at once.
    EXPECT_EQ(selectionner(cat, avecContexte(contexte({{"", "", "2003", "", "", "", ""}}))), QStringList{});

    // Any line accepts: a date range, or a folder text with a month bound.
    EXPECT_EQ(selectionner(cat, avecContexte(contexte({{"*", "", "2003", "4", "2003", "7", ""},
                                                       {"*", "Noel", "2002", "", "", "", ""}}))),
              QStringList({"Sapin", "Port", "Mer", "Neige"}));

    // The folder text must also pass the folder ticks.
    CriteresSelection coches = avecContexte(contexte({{"*", "Noel", "", "", "", "", ""}}));
    coches.RepertChoix = {"/photos/2002", "/photos/2003"};
    coches.retenir({true, false});
    EXPECT_EQ(selectionner(cat, coches), QStringList({"Sapin"}));

    // An empty marked line accepts everything the other tests let through.
    EXPECT_EQ(selectionner(cat, avecContexte(contexte({{"*", "", "", "", "", "", ""}}))).size(), 10);

    // The context word counts while the free word has at most two characters.
    CriteresSelection motContexte = avecContexte(contexte({{"*", "", "", "", "", "", " mer "}}));
    EXPECT_EQ(selectionner(cat, motContexte), QStringList({"Mer"}));
    motContexte.MotRecherche = "No";
    EXPECT_EQ(selectionner(cat, motContexte), QStringList{}); // "No" and "mer" must both match
    motContexte.MotRecherche = "Sapin";
    EXPECT_EQ(selectionner(cat, motContexte), QStringList({"Sapin"})); // the context word is ignored

    // A month-from without a year-from lets every dated record through but rejects the undated one.
    EXPECT_EQ(selectionner(cat, avecContexte(contexte({{"*", "", "", "5", "", "", ""}}))),
              QStringList({"Sapin", "Plage-Nice", "Port", "Mer", "Neige", "Racine", "ete-2004", "Bal",
                           "Ensoleille"}));

    // Lines sharing a word each keep their own dates.
    EXPECT_EQ(selectionner(cat, avecContexte(contexte({{"*", "", "2003", "", "2003", "", "ne"},
                                                       {"*", "", "2004", "", "2004", "", "NE"}}))),
              QStringList({"Neige", "Racine"}));

    // A context chosen while the contexts file is not loaded applies nothing.
    CriteresSelection sansFichier = avecContexte(contexte({{"", "", "", "", "", "", ""}}));
    sansFichier.ContexteExiste = false;
    EXPECT_EQ(selectionner(cat, sansFichier).size(), 10);
}

TEST(SelectionRegles, WordForms) {
    const auto f = FormesMot::huitFormes("été plage");
    const QStringList attendu{"été plage", "ÉTÉ PLAGE", "été plage", "Été Plage",
                              "ete plage", "ETE PLAGE", "ete plage", "Ete Plage"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(f[i], attendu[i]) << i;
    EXPECT_EQ(FormesMot::plier("çàâîïôöüùûÎëê"), "caaiioouuuIee");
    EXPECT_EQ(FormesMot::motListe(" ", 0), "");
    EXPECT_EQ(FormesMot::motListe("  ", -1), "");
    EXPECT_EQ(FormesMot::motListe("école", -1), "école"); // only a to z are raised
    EXPECT_EQ(FormesMot::motListe("plage", 3), "plage");  // a list entry stands as it is
}
