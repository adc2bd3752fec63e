#include "CatalogueEssai.h"
#include "Hasard.h"
#include "ReceptionMiniAlbum.h"
#include "Selection.h"

#include <gtest/gtest.h>

namespace {

std::vector<LigneEssai> photos(int n, const QString& type = "jpg") {
    std::vector<LigneEssai> l;
    for (int i = 1; i <= n; ++i)
        l.push_back({"/photos/a", QString("p%1").arg(i), 2004, 1, type, "_"});
    return l;
}

struct Banc {
    explicit Banc(const std::vector<LigneEssai>& lignes)
        : cat(lignes), selection(cat.catalogue().base(), courant, c, etat) {
        c.Racines = {"/photos"};
        c.preparerMots();
    }
    CatalogueEssai cat;
    ActPhoto courant;
    CriteresSelection c;
    EtatSelection etat;
    Selection selection;
};

class AlbumEnregistreur : public ReceptionMiniAlbum {
public:
    void AffichageMignonnette(const QString& nom, const QString&, const QString&, bool bddEof, int tailleMax,
                              int& evitePhotos, const QString& racine) override {
        noms << nom;
        fins << bddEof;
        evites << evitePhotos;
        EXPECT_EQ(tailleMax, 2400);
        EXPECT_EQ(racine, "/photos");
    }
    QStringList noms;
    QList<bool> fins;
    QList<int> evites;
};

struct HasardFixe {
    explicit HasardFixe(std::function<double()> f) { Hasard::fixer(std::move(f)); }
    ~HasardFixe() { Hasard::fixer({}); }
};

} // namespace

TEST(SelectionCurseur, DeliversInKeyOrderAndKeepsTheLastTwentyInTheRing) {
    Banc b(photos(25));
    b.selection.ouvrir();
    for (int i = 1; i <= 25; ++i) {
        ASSERT_EQ(b.selection.RechercheSelection(), Selection::Resultat::Trouve);
        EXPECT_EQ(b.courant.Nom, QString("p%1").arg(i));
        EXPECT_TRUE(b.etat.DernierRetenu);
        EXPECT_EQ(b.etat.BddEOF, i == 25); // the last row sets it while being delivered
    }
    // The last row was delivered at the end of the catalogue: it is not written to the ring.
    EXPECT_EQ(b.etat.historique.HistoEcriture, 4); // 24 writes wrapped once
    EXPECT_EQ(b.etat.historique.HistoLecture, 4);
    EXPECT_EQ(b.etat.historique.elements[4].nom, "p24");
    EXPECT_EQ(b.etat.historique.elements[5].nom, "p5");
    EXPECT_EQ(b.etat.historique.elements[20].nom, "p20");
    EXPECT_EQ(b.etat.historique.elements[4].rep, "/photos/a");
    EXPECT_EQ(b.etat.historique.elements[4].type, "jpg");

    EXPECT_EQ(b.selection.RechercheSelection(), Selection::Resultat::Fin);
    EXPECT_TRUE(b.etat.BddEOF);
    EXPECT_EQ(b.courant.Nom, "p25"); // the current record stays the last delivered

    // Reopening clears the end; a reset empties every column of the ring.
    b.selection.ouvrir();
    EXPECT_FALSE(b.etat.BddEOF);
    b.etat.historique.vider();
    for (int i = 1; i <= Historique::kTaille; ++i) {
        EXPECT_TRUE(b.etat.historique.elements[i].rep.isEmpty());
        EXPECT_TRUE(b.etat.historique.elements[i].type.isEmpty());
    }
    EXPECT_EQ(b.etat.historique.HistoEcriture, 0);
}

TEST(SelectionCurseur, SlideshowSkipCountsPassOverAcceptedRecords) {
    Banc b(photos(6));
    b.etat.SautDiaporama = 3; // the screen saver's random start: skip two accepted records
    b.selection.ouvrir();
    ASSERT_EQ(b.selection.RechercheSelection(), Selection::Resultat::Trouve);
    EXPECT_EQ(b.courant.Nom, "p3");
    EXPECT_EQ(b.etat.SautDiaporama, 1);
    EXPECT_EQ(b.etat.EvitePhotos, 3);
    EXPECT_EQ(b.etat.SautMiniAlbum, 3);
    EXPECT_EQ(b.etat.historique.HistoEcriture, 1);
}

TEST(SelectionCurseur, AlbumModeHandsRecordsToTheAlbumAndTellsItTheEnd) {
    Banc b(photos(4));
    AlbumEnregistreur album;
    b.selection.installerMiniAlbum(&album);
    int reactions = 0;
    b.selection.installerReaction([&] { ++reactions; });
    b.etat.ModeMiniAlbum = true;
    b.etat.SautMiniAlbum = 2; // one accepted record passed over
    b.etat.EvitePhotos = 7;
    b.selection.ouvrir();

    ASSERT_EQ(b.selection.RechercheSelection(), Selection::Resultat::Trouve);
    ASSERT_EQ(album.noms, QStringList({"p2"}));
    EXPECT_EQ(album.evites[0], 7);
    EXPECT_EQ(b.etat.EvitePhotos, 0);
    EXPECT_EQ(b.selection.RechercheSelection(), Selection::Resultat::Trouve);
    EXPECT_EQ(b.selection.RechercheSelection(), Selection::Resultat::Trouve);
    EXPECT_EQ(album.fins.last(), true); // p4 is the last row
    EXPECT_EQ(b.selection.RechercheSelection(), Selection::Resultat::Fin);
    EXPECT_EQ(album.noms, QStringList({"p2", "p3", "p4", "CettePhotoEstMauvaise"}));
    EXPECT_EQ(reactions, 4);
    EXPECT_EQ(b.etat.historique.HistoEcriture, 0); // the album never writes the ring
}

TEST(SelectionCurseur, RandomDrawTakesTriOneInTinyCataloguesAndAlwaysEnds) {
    HasardFixe hasard([] { return 0.99; });
    for (int n : {1, 2, 3}) {
        Banc b(photos(n));
        ASSERT_EQ(b.selection.TirageAleatoire(n), Selection::Resultat::Trouve) << n;
        EXPECT_EQ(b.courant.Tri, 1) << n;
        EXPECT_FALSE(b.etat.BddEOF);
    }

    // No JPEG among the drawable positions: the draw gives up (the last two positions never count).
    std::vector<LigneEssai> lignes = photos(5, "avi");
    lignes[3].type = "jpg";
    lignes[4].type = "jpg";
    Banc sansPhoto(lignes);
    sansPhoto.etat.SautDiaporama = 4;
    EXPECT_EQ(sansPhoto.selection.TirageAleatoire(5), Selection::Resultat::Fin);
    EXPECT_TRUE(sansPhoto.etat.BddEOF);
    EXPECT_EQ(sansPhoto.etat.SautDiaporama, 0);

    // One photo among many videos: found even when the random draws keep missing it.
    std::vector<LigneEssai> rare = photos(50, "avi");
    rare[36].type = "Jpg";
    Banc unePhoto(rare);
    ASSERT_EQ(unePhoto.selection.TirageAleatoire(50), Selection::Resultat::Trouve);
    EXPECT_EQ(unePhoto.courant.Nom, "p37");

    Banc vide({});
    EXPECT_EQ(vide.selection.TirageAleatoire(0), Selection::Resultat::Fin);
}

TEST(SelectionCurseur, RandomDrawFollowsTheRandomSource) {
    double valeurs[] = {0.5, 0.0};
    int i = 0;
    HasardFixe hasard([&] { return valeurs[std::min(i++, 1)]; });
    Banc b(photos(12));
    ASSERT_EQ(b.selection.TirageAleatoire(12), Selection::Resultat::Trouve);
    EXPECT_EQ(b.courant.Tri, 6); // int(0.5 * 10) + 1
}

TEST(SelectionCurseur, StartPositionIsTheOneInForceAtTheFirstCall) {
    Banc b(photos(5));
    b.c.TriDepart = 4;
    b.selection.ouvrir();
    b.c.TriDepart = 0; // an automatic restart clears it after opening the query
    ASSERT_EQ(b.selection.RechercheSelection(), Selection::Resultat::Trouve);
    EXPECT_EQ(b.courant.Nom, "p1");

    b.c.TriDepart = 4;
    b.selection.ouvrir();
    ASSERT_EQ(b.selection.RechercheSelection(), Selection::Resultat::Trouve);
    EXPECT_EQ(b.courant.Nom, "p4");
}

TEST(SelectionCurseur, ScreenSaverKeepsPhotosOnlyAndSpellsBmpInLowerCase) {
    std::vector<LigneEssai> lignes = photos(4);
    lignes[0].type = "Bmp";
    lignes[1].type = "avi";
    lignes[2].type = "gif";
    Banc b(lignes);
    b.c.VeilleActive = true;
    b.selection.ouvrir();
    ASSERT_EQ(b.selection.RechercheSelection(), Selection::Resultat::Trouve);
    EXPECT_EQ(b.courant.Nom, "p1");
    EXPECT_EQ(b.courant.Type, "bmp");
    EXPECT_TRUE(b.etat.VeilleTrouve);
    ASSERT_EQ(b.selection.RechercheSelection(), Selection::Resultat::Trouve);
    EXPECT_EQ(b.courant.Nom, "p4");
}

TEST(SelectionCurseur, ShortDivXNamesAndAllowedVideoPass) {
    std::vector<LigneEssai> lignes = photos(3, "wmv");
    lignes[0].nom = "DivX12";  // 6 characters: not long enough to count
    lignes[1].nom = "ma DivX"; // the case-exact word in a longer name
    lignes[2].nom = "ma divx";
    Banc b(lignes);
    b.c.VideoAutorisee = false;
    b.selection.ouvrir();
    QStringList noms;
    while (!b.etat.BddEOF && b.selection.RechercheSelection() == Selection::Resultat::Trouve)
        noms << b.courant.Nom;
    EXPECT_EQ(noms, QStringList({"DivX12", "ma divx"}));
}

TEST(SelectionCurseur, UnreadableCatalogueIsAnErrorNotAnEnd) {
    Banc b(photos(2));
    b.cat.catalogue().base().execute("DROP TABLE Table1");
    EXPECT_FALSE(b.selection.ouvrir());
    EXPECT_NE(b.selection.erreur(), 0);
    EXPECT_TRUE(b.etat.BddEOF);
    EXPECT_EQ(b.selection.TirageAleatoire(2), Selection::Resultat::Erreur);
}
