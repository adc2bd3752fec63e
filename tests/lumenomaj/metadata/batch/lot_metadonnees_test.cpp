#include "LotMetadonnees.h"
#include "OutilsLot.h"

#include "DossierTest.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace OutilsLot;

namespace {

// A batch run by hand, tick after tick, with what it said.
struct LotTeste {
    DossierTest dossier;
    QStringList affiches;
    QStringList journal;
    QString titreFin;
    QString texteFin;
    bool arrete = false;
    std::unique_ptr<LotMetadonnees> lot;

    explicit LotTeste(LotMetadonnees::Mode mode) {
        SortiesLot s;
        s.afficher = [this](const QString& t) { affiches.append(t); };
        s.journal = [this](const QString& t) { journal.append(t); };
        s.fin = [this](const QString& titre, const QString& texte) {
            titreFin = titre;
            texteFin = texte;
        };
        s.arrete = [this] { arrete = true; };
        lot = std::make_unique<LotMetadonnees>(mode, dossier.chemin(), s);
        lot->definirAnneeMaxi(2027);
    }

    // Ticks until the job ends (or a bound of ticks).
    void jusquAuBout(const OptionsEquilibre& options = {}) {
        lot->demarrer(options);
        for (int i = 0; i < 200 && lot->enCours(); ++i)
            lot->tic();
    }
};

} // namespace

TEST(LumenomajLotRemplissage, AFolderWithoutPhotosEndsAtOnce) {
    LotTeste t(LotMetadonnees::Mode::Remplissage);
    t.dossier.fichier("notes.txt", "rien");
    t.jusquAuBout();
    EXPECT_EQ(t.titreFin, "Fin du traitement du dossier");
    EXPECT_EQ(t.texteFin, " Fin du traitement du dossier à la Photo N° 0");
    EXPECT_EQ(t.affiches.last(), "Fin du traitement du dossier ");
}

TEST(LumenomajLotRemplissage, FillsEveryPhotoAnyCaseSkipsTheUnreadableOne) {
    LotTeste t(LotMetadonnees::Mode::Remplissage);
    const QString a =
        copier("canon-powershot-s330-mm.jpg", t.dossier.chemin(), "2004-06-15-143000-Plage.jpg");
    const QString b = copier("iptc-only-no-app1.jpg", t.dossier.chemin(), "2004-06-Vacances-Mer.JPG");
    const QByteArray casse("\xFF\xD8 pas de segments");
    const QString c = t.dossier.fichier("2005-01-Casse.jpg", casse);
    const QByteArray imageA = donneesImage(a);
    OptionsEquilibre o;
    o.auteur = "Marie";
    t.jusquAuBout(o);

    EXPECT_EQ(t.titreFin, "Fin du traitement du dossier");
    EXPECT_TRUE(t.texteFin.startsWith(" Fin du traitement du dossier à la Photo N° 3"));
    EXPECT_TRUE(t.texteFin.contains("1 photo(s) n'ont pas pu être lues"));
    ASSERT_EQ(t.journal.size(), 1);
    EXPECT_TRUE(t.journal[0].contains("2005-01-Casse.jpg"));
    EXPECT_EQ(lire(c), casse);

    const PhotoMetadonnees pa = ChargementPhoto::charger(a);
    EXPECT_EQ(pa.champs.xpTitre, "2004-06-15-143000-Plage");
    EXPECT_EQ(pa.champs.xpAuteur, "Marie");
    EXPECT_EQ(pa.champs.dateOrigine, "2004:06:15 14:30:00");
    EXPECT_EQ(pa.champs.dateHeure, "2004:06:15 14:30:00");
    EXPECT_EQ(pa.iptc.textes(55), QStringList{"20040615"});
    EXPECT_EQ(pa.iptc.textes(25), QStringList{"Plage"});
    EXPECT_EQ(donneesImage(a), imageA);

    const PhotoMetadonnees pb = ChargementPhoto::charger(b);
    EXPECT_EQ(pb.champs.xpMotsCles, "Vacances Mer ");
    EXPECT_EQ(pb.champs.dateOrigine, "2004:06:01 00:00:00");
    EXPECT_EQ(pb.iptc.textes(25), (QStringList{"Vacances", "Mer"}));
    EXPECT_EQ(pb.iptc.textes(80), QStringList{"Marie"});
    EXPECT_EQ(pb.iptc.textes(55), QStringList{"20040601"});
}

TEST(LumenomajLotRemplissage, AStopTakesEffectAfterTheCurrentPhotoIsSaved) {
    LotTeste t(LotMetadonnees::Mode::Remplissage);
    const QString a = copier("casio-exz3-qvc-mm.jpg", t.dossier.chemin(), "2004-06-Un-Essai.jpg");
    const QString b = copier("casio-exz3-qvc-mm.jpg", t.dossier.chemin(), "2004-07-Deux-Essai.jpg");
    const QByteArray avantB = lire(b);
    t.lot->demarrer({});
    t.lot->tic(); // read the first photo in name order
    EXPECT_EQ(t.lot->etapeLot(), 2);
    t.lot->demanderArret();
    while (t.lot->enCours())
        t.lot->tic();
    EXPECT_TRUE(t.arrete);
    EXPECT_TRUE(t.titreFin.isEmpty());
    EXPECT_EQ(ChargementPhoto::charger(a).champs.xpTitre, "2004-06-Un-Essai");
    EXPECT_EQ(lire(b), avantB);
}

TEST(LumenomajLotRenommage, RenamesUndatedPhotosNeverOverAnExistingFile) {
    LotTeste t(LotMetadonnees::Mode::Renommage);
    copier("canon-powershot-s330-mm.jpg", t.dossier.chemin(), "Img_0012.JPG");         // 2002:11:16 15:27:01
    copier("canon-powershot-s330-mm.jpg", t.dossier.chemin(), "2003-12-Img_0013.jpg"); // already dated
    copier("casio-exz3-qvc-mm.jpg", t.dossier.chemin(), "Img_0014.jpg");               // 2003:06:18 16:54:37
    const QString occupant = t.dossier.fichier("2003-06-18-165437-Img_0014.jpg", "déjà là");
    copier("iptc-only-no-app1.jpg", t.dossier.chemin(), "Scan.jpg"); // no EXIF
    t.jusquAuBout();

    const QStringList fichiers = QDir(t.dossier.chemin()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(fichiers, (QStringList{"2002-11-16-152701-Img_0012.jpg", "2003-06-18-165437-Img_0014.jpg",
                                     "2003-12-Img_0013.jpg", "Img_0014.jpg", "Scan.jpg"}));
    EXPECT_EQ(lire(occupant), "déjà là");
    EXPECT_TRUE(t.affiches.contains("Img_0012 est renommée : 2002-11-16-152701-Img_0012"));
    EXPECT_TRUE(t.affiches.contains(" Pas d'Exif ici, donc pas de nommage possible ici."));
    EXPECT_TRUE(t.affiches.contains(" Pas de nommage ici, la photo est déjà renommée: " +
                                    QDir(t.dossier.chemin()).filePath("2003-12-Img_0013.jpg")));
    ASSERT_EQ(t.journal.size(), 1);
    EXPECT_TRUE(t.journal[0].contains("2003-06-18-165437-Img_0014.jpg existe déjà"));
    EXPECT_EQ(t.titreFin, "Fin du traitement des dates Exif");
    EXPECT_TRUE(t.texteFin.contains("Nombre de Photos Traitées : 5"));
    EXPECT_TRUE(t.texteFin.contains("Nombre de Photos Renommées : 1"));
    EXPECT_TRUE(t.texteFin.contains("le nouveau nom existe déjà : 1"));
}

TEST(LumenomajLotRenommage, CompactFormatPrefix) {
    LotTeste t(LotMetadonnees::Mode::Renommage);
    copier("casio-exz3-qvc-mm.jpg", t.dossier.chemin(), "Photo.jpg");
    OptionsEquilibre o;
    o.format.compact = true;
    t.jusquAuBout(o);
    EXPECT_EQ(QDir(t.dossier.chemin()).entryList(QDir::Files), QStringList{"20030618-165437-Photo.jpg"});
}
