#include "ActPhoto.h"
#include "Catalogue.h"
#include "CriteresSelection.h"
#include "CurseurSelection.h"
#include "DossierTest.h"
#include "ModesRecherche.h"
#include "Selection.h"

#include <gtest/gtest.h>

namespace {

// Four photos of 2004-03, 2005-06, 2005-08 and 2006-01, in key order.
struct Catalogue4 {
    DossierTest dossier;
    std::unique_ptr<Catalogue> catalogue;
    ActPhoto courant;
    CriteresSelection criteres;
    EtatSelection etat;
    ModesRecherche modes;
    std::unique_ptr<Selection> selection;
    std::unique_ptr<CurseurSelection> curseur;

    Catalogue4() {
        const QString chemin = dossier.chemin("Lumeno1.mdb");
        Catalogue::creer(chemin);
        catalogue = std::make_unique<Catalogue>(chemin);
        const struct {
            int annee, mois;
            const char* nom;
        } lignes[] = {{2004, 3, "a"}, {2005, 6, "b"}, {2005, 8, "c"}, {2006, 1, "d"}};
        int i = 0;
        for (const auto& l : lignes) {
            ActPhoto act;
            act.Clef = QString("%1").arg(++i, 6, 10, QLatin1Char('0'));
            act.Nom = l.nom;
            act.Rep = "/photos/p";
            act.Annee = l.annee;
            act.Mois = l.mois;
            act.Type = "jpg";
            act.Valide = 1;
            act.Rab = " 7";
            act.Mots = "_";
            catalogue->BddEcrit(act);
        }
        catalogue->numeroter();
        selection = std::make_unique<Selection>(catalogue->base(), courant, criteres, etat);
        curseur = std::make_unique<CurseurSelection>(*selection, courant, criteres, etat, modes);
        EXPECT_TRUE(selection->ouvrir());
    }
};

} // namespace

TEST(SlideshowRaccord, SelectionSeenThroughTheSlideshowInterface) {
    Catalogue4 c;
    CurseurDiaporama& curseur = *c.curseur;
    curseur.RechercheSelection();
    EXPECT_EQ(curseur.enregistrementCourant().VisuPhotoNom, "a");
    EXPECT_EQ(curseur.enregistrementCourant().VisuPhotoAnnee, 2004);
    EXPECT_TRUE(curseur.DernierRetenu());
    EXPECT_TRUE(curseur.NouvelAccepte());
    curseur.effacerNouvelAccepte();
    EXPECT_FALSE(curseur.NouvelAccepte());
    curseur.RechercheSelection();
    EXPECT_EQ(curseur.HistoEcriture(), 2);
    EXPECT_EQ(curseur.Historique(2).nom, "b");

    curseur.prendreHistorique(1);
    EXPECT_EQ(curseur.enregistrementCourant().VisuPhotoNom, "a");
    EXPECT_EQ(curseur.enregistrementCourant().VisuPhotoRep, "/photos/p");
    EXPECT_TRUE(curseur.Historique(0).rep.isEmpty()); // out of the ring: empty, no crash

    curseur.RechercheSelection();
    curseur.RechercheSelection();
    EXPECT_EQ(curseur.enregistrementCourant().VisuPhotoNom, "d");
    EXPECT_TRUE(curseur.BddEOF());

    // The automatic restart from August 2005: the whole catalogue again, with that start date.
    QString annee, mois;
    c.curseur->ecranRelance = [&](const QString& a, const QString& m) { annee = a, mois = m; };
    c.criteres.MotRecherche = "zz";
    c.criteres.ContexteChoisi = "Vacances";
    c.criteres.TriDepart = 3;
    curseur.relancerDepuis("2005", "8");
    EXPECT_FALSE(curseur.BddEOF());
    EXPECT_EQ(annee, "2005");
    EXPECT_EQ(mois, "8");
    EXPECT_TRUE(c.criteres.MotRecherche.isEmpty());
    EXPECT_EQ(c.criteres.ContexteChoisi, "(Aucun)");
    EXPECT_EQ(c.criteres.TriDepart, 0);
    curseur.RechercheSelection();
    EXPECT_EQ(curseur.enregistrementCourant().VisuPhotoNom, "c");
}
