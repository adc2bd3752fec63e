#include "ApercuListe.h"
#include "BoiteEnregistreuse.h"
#include "DossierTest.h"
#include "EcranRecherche.h"
#include "FichierContextes.h"
#include "Twips.h"

#include "Catalogue.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

// A catalogue of four photos under the root /photos, the lists start-up would give, and the screen.
class Banc {
public:
    Banc() {
        const QString chemin = dossier.chemin("Lumeno1.mdb");
        Catalogue::creer(chemin);
        catalogue = std::make_unique<Catalogue>(chemin);
        const char* noms[] = {"Plage", "Port", "Neige", "Vrac"};
        const char* reps[] = {"/photos/2003", "/photos/2003", "/photos/2004", "/photos/Divers"};
        for (int i = 0; i < 4; ++i) {
            ActPhoto a;
            a.Clef = QString::number(i);
            a.Nom = noms[i];
            a.Rep = reps[i];
            a.Annee = i < 3 ? 2003 + i / 2 : 0;
            a.Mois = 1 + i;
            a.Type = "jpg";
            a.Rab = " 7";
            a.Mots = QString(noms[i]) + "-";
            catalogue->BddEcrit(a);
        }
        catalogue->numeroter();
        criteres.Racines = {"/photos"};
        selection = std::make_unique<Selection>(catalogue->base(), courant, criteres, etat);
        FichierContextes::remplirGrille(
            grille, {"CONTEXTE,Initial,,,,", ",2003,,,,", "CONTEXTE,Noel,,,,", "2004,,,,,"}, 2005, 2003);
        ecran = std::make_unique<EcranRecherche>(criteres, etat, modes, *selection, grille);
        ecran->remplirListe({"Plage", "Port", "Neige", "Vrac"}, {1, 2, 3, 4});
        ecran->remplirRepertoires({"/photos/2003", "/photos/2004", "/photos/Divers"});
        ecran->remplirContextes({"(Aucun)", "Initial", "Noel"});
        ecran->remplirMots({"Neige", "Plage", "Port"});
        ecran->remplirAnnees({"2003", "2004"});
        ecran->remplirMois({"01", "02", "03"});
        ecran->contexteExiste(true);

        EcranRecherche::Crochets c;
        c.diaporama = [this](const CriteresSelection& cr) { recu = cr; };
        c.miniAlbum = [this](const CriteresSelection& cr) {
            recu = cr;
            album = true;
        };
        c.aleatoire = [this] { aleatoire = true; };
        c.annulation = [this] { annule = true; };
        c.diaporamaExplorateur = [this] { explorateur = true; };
        c.lireFiche = [this](int tri, ActPhoto& fiche) {
            CurseurCatalogue lecteur(catalogue->base());
            lecteur.ouvrirPosition(tri);
            return lecteur.BddLit(fiche).ok();
        };
        ecran->installerCrochets(c);
        ecran->OuvreRecherche_Click();
    }

    template <typename T> T* controle(const char* nom) {
        T* w = ecran->findChild<T*>(nom);
        EXPECT_NE(w, nullptr) << nom;
        return w;
    }
    void cliquer(const char* nom) { QTest::mouseClick(controle<QPushButton>(nom), Qt::LeftButton); }

    // Every name the selection delivers from the opened catalogue.
    QStringList selectionner() {
        QStringList noms;
        while (!etat.BddEOF && selection->RechercheSelection() == Selection::Resultat::Trouve)
            noms << courant.Nom;
        return noms;
    }

    DossierTest dossier;
    std::unique_ptr<Catalogue> catalogue;
    ActPhoto courant;
    CriteresSelection criteres;
    EtatSelection etat;
    ModesRecherche modes;
    GrilleContextes grille;
    std::unique_ptr<Selection> selection;
    std::unique_ptr<EcranRecherche> ecran;
    std::optional<CriteresSelection> recu;
    bool album = false, aleatoire = false, annule = false, explorateur = false;
};

} // namespace

TEST(SearchScreen, ControlsCarryTheirNamesCaptionsAndToolTips) {
    Banc b;
    EXPECT_EQ(b.ecran->objectName(), "Frame2");
    EXPECT_EQ(b.ecran->title(), "Choix  Multicritères de Recherche");
    struct Cas {
        const char* nom;
        const char* texte;
        const char* bulle;
    };
    const Cas boutons[] = {
        {"OuvreConfig3", "&Config", "Ouvre la fenêtre de configuration de la Base de Données"},
        {"AnnulRecherche", "&Annuler", ""},
        {"ResetRecherche", "Reset des paramètres", ""},
        {"RechercheWeb", "Recherche          &Web", ""},
        {"RechercheAleatoire", "Diaporama     Aléatoire", ""},
        {"CommenceRechercheMiniAlbum", "Recherche et &Mini-Album ", ""},
        {"CommenceRechercheDiaporama", "&Recherche et Diaporama", ""},
        {"InverseSelectionRepertoires", "Inverse la Selection", ""},
        {"ContexteDetails", "Détails des Contextes", "Permet de modifier les Contextes"},
        {"PlaylistAffichage", "Playlist", ""},
    };
    for (const Cas& c : boutons) {
        QPushButton* b2 = b.controle<QPushButton>(c.nom);
        ASSERT_NE(b2, nullptr);
        EXPECT_EQ(b2->text(), QString(c.texte)) << c.nom;
        EXPECT_EQ(b2->toolTip(), QString(c.bulle)) << c.nom;
    }
    const Cas labels[] = {
        {"LabelAnnee", "Année", ""},
        {"LabelMois", "Mois", ""},
        {"LabelMot", "Mots", "Mot particulier d'une série de photos."},
        {"LabelRepert", "Dossiers", "Les répertoires cochés sont retenus."},
        {"LabelContextes", "Contextes", ""},
    };
    for (const Cas& c : labels) {
        QLabel* l = b.controle<QLabel>(c.nom);
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(l->text(), QString(c.texte)) << c.nom;
        EXPECT_EQ(l->toolTip(), QString(c.bulle)) << c.nom;
    }
    EXPECT_EQ(b.controle<QComboBox>("ListeMotDefini")->toolTip(),
              "Choisir un mot dans la liste ou écrire un mot de votre choix dans la case à coté");
    EXPECT_EQ(b.controle<QLineEdit>("ChoixMot")->toolTip(),
              "Ce mot vient en complément possible de la liste");
    EXPECT_EQ(b.controle<QListWidget>("ContexteListe")->toolTip(), "Diaporamas particuliers ");
    EXPECT_EQ(b.controle<QComboBox>("ListeMotDefini")->itemText(0), " ");
    EXPECT_EQ(b.controle<QGroupBox>("Dir4Frame")->title(), "Explorateur de fichiers");
    for (const char* nom : {"ChoixAnnee", "ChoixMois"})
        EXPECT_NE(b.controle<QComboBox>(nom), nullptr);
    for (const char* nom : {"ChoixRepert", "Liste", "MusiquesListeMP3"})
        EXPECT_NE(b.controle<QListWidget>(nom), nullptr);
    for (const char* nom : {"Image2", "LabelImage2"})
        EXPECT_NE(b.controle<QLabel>(nom), nullptr);
}

TEST(SearchScreen, SlideshowStartHandsTheCriteriaAndOpensTheWholeCatalogue) {
    Banc b;
    EXPECT_TRUE(b.ecran->isVisible() || !b.ecran->isHidden());
    b.controle<QComboBox>("ChoixAnnee")->setCurrentIndex(1);
    b.controle<QComboBox>("ChoixMois")->setEditText("2");
    b.controle<QLineEdit>("ChoixMot")->setText("  été ");
    QComboBox* mot = b.controle<QComboBox>("ListeMotDefini");
    mot->setEditText("plage");
    b.controle<QListWidget>("ChoixRepert")->item(1)->setCheckState(Qt::Unchecked);
    QListWidget* contextes = b.controle<QListWidget>("ContexteListe");
    contextes->setCurrentRow(2);
    b.modes.ModeExplorateur = false;

    b.cliquer("CommenceRechercheDiaporama");
    ASSERT_TRUE(b.recu.has_value());
    const CriteresSelection& c = *b.recu;
    EXPECT_EQ(c.AnneeRecherche, "2003");
    EXPECT_EQ(c.MoisRecherche, "2");
    EXPECT_EQ(c.MotRecherche, "été");
    EXPECT_EQ(c.MotsRecherche[5], "ete");
    EXPECT_EQ(c.MotsRecherche[8], "Ete");
    EXPECT_EQ(c.MotListe, "Plage"); // a typed list word gets its first letter raised
    EXPECT_EQ(c.RepertRetenu, std::vector<bool>({true, false, true}));
    EXPECT_FALSE(c.TousRepertRetenus);
    EXPECT_EQ(c.ContexteChoisi, "Noel");
    EXPECT_EQ(c.LignesContexte_[0].marqueur, "*");
    EXPECT_EQ(c.LignesContexte_[0].dossier, "2004");
    EXPECT_TRUE(b.ecran->isHidden());
    EXPECT_FALSE(b.etat.BddEOF);
    EXPECT_FALSE(b.etat.ModeMiniAlbum);
}

TEST(SearchScreen, ListClickSetsTheStartAndShowsThePreviewButTheSearchWalksTheWholeCatalogue) {
    Banc b;
    QListWidget* liste = b.controle<QListWidget>("Liste");
    b.modes.ModeExplorateur = true;
    b.ecran->Liste_Click(1);
    EXPECT_EQ(b.criteres.TriDepart, 2);
    EXPECT_FALSE(b.modes.ModeExplorateur);
    EXPECT_EQ(b.controle<QLabel>("LabelImage2")->text(), "Photo type : JPG");

    // Start from the second entry: the walk covers the catalogue from there on, not only that name.
    b.cliquer("CommenceRechercheDiaporama");
    EXPECT_EQ(b.selectionner(), QStringList({"Port", "Neige", "Vrac"}));

    // The reset selects the first entry from code: the start goes back to the beginning.
    b.ecran->OuvreRecherche_Click();
    EXPECT_EQ(liste->currentRow(), 0);
    EXPECT_EQ(b.criteres.TriDepart, 1);
    b.cliquer("CommenceRechercheDiaporama");
    EXPECT_EQ(b.selectionner(), QStringList({"Plage", "Port", "Neige", "Vrac"}));
}

TEST(SearchScreen, PreviewFindsTheMirroredThumbnailThenTheBin) {
    DossierTest d;
    const QString racine = d.chemin("r");
    ActPhoto f;
    f.Nom = "Plage";
    f.Rep = racine + "/2004/Ete";
    f.Type = "jpg";
    EXPECT_EQ(ApercuListe::pour(f, racine).libelle, "Photo type : JPG");
    EXPECT_TRUE(ApercuListe::pour(f, racine).miniature.isEmpty());
    const QString bin = d.fichier("r/x-Lumeno/Miniatures/Lumeno-Bin/Plage_t.jpg", "x");
    EXPECT_EQ(ApercuListe::pour(f, racine).miniature, bin);
    const QString miroir = d.fichier("r/x-Lumeno/Miniatures/2004/Ete/Plage_t.jpg", "x");
    EXPECT_EQ(ApercuListe::pour(f, racine).miniature, miroir);
    EXPECT_EQ(ApercuListe::pour(f, racine).libelle, "Photo type : jpg");

    struct Cas {
        const char* type;
        const char* libelle;
    };
    for (const Cas& c : {Cas{"txt", "Format Texte : txt"}, Cas{"Avi", "Vidéo type : AVI"},
                         Cas{"JPG", "Photo type : JPG"}, Cas{"mp3", "Format type : mp3"}}) {
        f.Type = c.type;
        EXPECT_EQ(ApercuListe::pour(f, racine).libelle, QString(c.libelle)) << c.type;
    }
}

TEST(SearchScreen, ResetAndCancel) {
    Banc b;
    b.controle<QComboBox>("ChoixAnnee")->setCurrentIndex(2);
    QTest::keyClicks(b.controle<QLineEdit>("ChoixMot"), "mer");
    b.controle<QListWidget>("ChoixRepert")->item(0)->setCheckState(Qt::Unchecked);
    b.controle<QListWidget>("ContexteListe")->setCurrentRow(1);
    b.ecran->Liste_Click(3);
    b.modes.ModeAleatoire = true;

    b.cliquer("ResetRecherche");
    EXPECT_EQ(b.controle<QComboBox>("ChoixAnnee")->currentText(), "");
    EXPECT_EQ(b.controle<QLineEdit>("ChoixMot")->text(), "");
    EXPECT_EQ(b.controle<QListWidget>("ChoixRepert")->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(b.controle<QListWidget>("ContexteListe")->currentRow(), 0);
    EXPECT_EQ(b.criteres.TriDepart, 1);
    EXPECT_FALSE(b.modes.ModeAleatoire);
    EXPECT_TRUE(b.criteres.TousRepertRetenus);

    b.cliquer("AnnulRecherche");
    EXPECT_TRUE(b.annule);
    EXPECT_TRUE(b.ecran->isHidden());
    EXPECT_FALSE(b.recu.has_value()); // a cancel starts nothing
}

TEST(SearchScreen, OpeningClearsTheCountersAndTheRing) {
    Banc b;
    b.etat.SautDiaporama = 3;
    b.etat.EvitePhotos = 9;
    b.etat.historique.enregistrer("/photos", "x", "jpg");
    b.criteres.VeilleActive = true;
    b.ecran->OuvreRecherche_Click();
    EXPECT_EQ(b.etat.SautDiaporama, 0);
    EXPECT_EQ(b.etat.EvitePhotos, 0);
    EXPECT_EQ(b.etat.historique.HistoEcriture, 0);
    EXPECT_TRUE(b.etat.historique.elements[1].rep.isEmpty());
    EXPECT_FALSE(b.criteres.VeilleActive);
}

TEST(SearchScreen, OtherStartsAndTheCatalogueOffMessages) {
    {
        Banc b;
        b.modes.ModeExplorateur = true;
        b.cliquer("CommenceRechercheDiaporama");
        EXPECT_TRUE(b.explorateur);
        EXPECT_FALSE(b.recu.has_value());
    }
    {
        Banc b;
        b.cliquer("CommenceRechercheMiniAlbum");
        EXPECT_TRUE(b.album);
        EXPECT_TRUE(b.etat.ModeMiniAlbum);
        ASSERT_TRUE(b.recu.has_value());
    }
    {
        Banc b;
        b.cliquer("RechercheAleatoire");
        EXPECT_TRUE(b.aleatoire);
        EXPECT_TRUE(b.modes.ModeAleatoire);
        EXPECT_TRUE(b.ecran->isHidden());
    }
    {
        Banc b;
        BoiteEnregistreuse::Portee boites;
        b.modes.ModeCatalogue = false;
        b.cliquer("InverseSelectionRepertoires");
        b.ecran->ContexteDetails_Click();
        b.ecran->OuvreRecherche_Click();
        b.modes.ModeCatalogue = false;
        b.cliquer("CommenceRechercheMiniAlbum");
        ASSERT_EQ(boites->messages.size(), 3);
        EXPECT_EQ(boites->messages[0].texte,
                  "La Base De Données doit être activée pour cette fonction (passer par Config).");
        EXPECT_EQ(boites->messages[0].titre, "Information");
        EXPECT_EQ(boites->messages[0].icone, Boite::Icone::Information);
        EXPECT_EQ(boites->messages[2].texte,
                  "La Base De Données doit être activée pour cela (passer par Config).");
        EXPECT_FALSE(b.album);
    }
    {
        Banc b;
        QListWidget* rep = b.controle<QListWidget>("ChoixRepert");
        rep->item(1)->setCheckState(Qt::Unchecked);
        b.cliquer("InverseSelectionRepertoires");
        EXPECT_EQ(rep->item(0)->checkState(), Qt::Unchecked);
        EXPECT_EQ(rep->item(1)->checkState(), Qt::Checked);
        EXPECT_EQ(b.criteres.RepertRetenu, std::vector<bool>({false, true, false}));
    }
    {
        // A double-click on a context other than "(Aucun)" starts the slideshow.
        Banc b;
        QListWidget* contextes = b.controle<QListWidget>("ContexteListe");
        contextes->setCurrentRow(0);
        b.ecran->ContexteListe_DblClick();
        EXPECT_FALSE(b.recu.has_value());
        contextes->setCurrentRow(1);
        b.ecran->ContexteListe_DblClick();
        ASSERT_TRUE(b.recu.has_value());
        EXPECT_EQ(b.recu->ContexteChoisi, "Initial");
    }
}

TEST(SearchScreen, ResizeRulesFollowTheWindowWidth) {
    Banc b;
    const double dpi = b.ecran->logicalDpiX();
    struct Cas {
        int W;
        int liste, contextes, dir4, musiquesGauche, choixRepert, image2, musiquesLargeur;
    };
    for (const Cas& c : {Cas{13400, 5295, 3855, 5640, 10800, 9735, 11400, 2415},
                         Cas{13399, 4095, 2775, 4440, 9480, 8315, 10100, 2415},
                         Cas{14801, 5295, 3855, 5640, 10800, 9735, 11400, 3600}}) {
        b.ecran->disposer(c.W);
        auto px = [dpi](int t) { return Twips::versPixels(t, dpi); };
        EXPECT_EQ(b.controle<QListWidget>("Liste")->width(), px(c.liste)) << c.W;
        EXPECT_EQ(b.controle<QListWidget>("ContexteListe")->width(), px(c.contextes)) << c.W;
        EXPECT_EQ(b.controle<QGroupBox>("Dir4Frame")->x(), px(c.dir4)) << c.W;
        EXPECT_EQ(b.ecran->findChild<QFrame*>("PlaylistFrame")->x(), px(c.dir4)) << c.W;
        EXPECT_EQ(b.controle<QListWidget>("MusiquesListeMP3")->x(), px(c.musiquesGauche)) << c.W;
        EXPECT_EQ(b.controle<QListWidget>("MusiquesListeMP3")->width(), px(c.musiquesLargeur)) << c.W;
        EXPECT_EQ(b.controle<QListWidget>("ChoixRepert")->width(), px(c.choixRepert)) << c.W;
        EXPECT_EQ(b.controle<QLabel>("Image2")->x(), px(c.image2)) << c.W;
        EXPECT_EQ(b.controle<QLabel>("LabelImage2")->x(), px(c.image2)) << c.W;
        EXPECT_EQ(b.controle<QLabel>("LabelMusiquesListeRecherche")->x(), px(c.musiquesGauche + 700)) << c.W;
        EXPECT_EQ(b.controle<QPushButton>("PlaylistAffichage")->x(), px(c.musiquesGauche)) << c.W;
    }
}

TEST(SearchScreen, PendingStartUpContextIsTakenOnceAndShownInTheList) {
    Banc b;
    b.criteres.ContexteDemarrage = QString("Noel");
    QListWidget* contextes = b.controle<QListWidget>("ContexteListe");
    contextes->setCurrentRow(1);
    b.cliquer("CommenceRechercheDiaporama");
    ASSERT_TRUE(b.recu.has_value());
    EXPECT_EQ(b.recu->ContexteChoisi, "Noel");
    EXPECT_EQ(contextes->currentItem()->text(), "Noel");
    EXPECT_FALSE(b.criteres.ContexteDemarrage.has_value());

    b.ecran->OuvreRecherche_Click();
    contextes->setCurrentRow(1);
    b.cliquer("CommenceRechercheDiaporama");
    EXPECT_EQ(b.recu->ContexteChoisi, "Initial");
    EXPECT_EQ(b.recu->LignesContexte_[0].anneeDebut, "2003");
}

TEST(SearchScreen, DoubleClickOnTheListOrAClickOnThePreviewStartsTheSlideshow) {
    Banc b;
    bool ignore = false;
    EcranRecherche::Crochets c;
    c.diaporama = [&](const CriteresSelection& cr) { b.recu = cr; };
    c.ignorerRelachementPhoto = [&] { ignore = true; };
    b.ecran->installerCrochets(c);
    QListWidget* liste = b.controle<QListWidget>("Liste");
    // The list's own double-click signal, as the view emits it.
    emit liste->itemDoubleClicked(liste->item(2));
    ASSERT_TRUE(b.recu.has_value());
    EXPECT_EQ(b.recu->TriDepart, 3);
    EXPECT_TRUE(ignore);
    EXPECT_EQ(b.selectionner(), QStringList({"Neige", "Vrac"}));

    b.recu.reset();
    b.ecran->OuvreRecherche_Click();
    QTest::mouseClick(b.controle<QLabel>("Image2"), Qt::LeftButton);
    ASSERT_TRUE(b.recu.has_value());
    EXPECT_EQ(b.recu->TriDepart, 1);
}
