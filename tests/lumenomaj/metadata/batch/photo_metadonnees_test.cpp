#include "OutilsLot.h"
#include "PhotoMetadonnees.h"

#include "DossierTest.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace OutilsLot;

TEST(LumenomajLotPhoto, AnIptcOnlyPhotoShowsEveryKeywordAndNoExif) {
    const PhotoMetadonnees p = ChargementPhoto::charger(photoTest("iptc-only-no-app1.jpg"));
    ASSERT_TRUE(p.lue);
    EXPECT_FALSE(p.aExif);
    EXPECT_TRUE(p.lignesIfd.isEmpty());
    EXPECT_TRUE(p.lignesIfd1.isEmpty());
    EXPECT_TRUE(p.champs.xpTitre.isEmpty());
    EXPECT_EQ(p.champs.iptcMotsCles, "ExifTool\r\nTest\r\nIPTC\r\n");
    int lignesMotsCles = 0;
    for (const LigneIptc& l : p.lignesIptc)
        lignesMotsCles += l.valeur == "ExifTool" || l.valeur == "Test" || l.valeur == "IPTC";
    EXPECT_EQ(lignesMotsCles, 3);
}

TEST(LumenomajLotPhoto, ACameraPhotoShowsItsDirectoriesAndMakerNote) {
    const PhotoMetadonnees p = ChargementPhoto::charger(photoTest("canon-powershot-s330-mm.jpg"));
    ASSERT_TRUE(p.lue);
    EXPECT_TRUE(p.aExif);
    EXPECT_EQ(p.champs.dateOrigine, "2002:11:16 15:27:01");
    EXPECT_EQ(p.champs.dateHeure, "2002:11:18 22:46:09");
    EXPECT_TRUE(p.lignesIfd.contains("Make : Canon"));
    EXPECT_FALSE(p.lignesIfd1.isEmpty());
    EXPECT_FALSE(p.lignesNote.isEmpty());
    for (const QString& l : p.lignesIfd)
        EXPECT_FALSE(l.contains(QChar(0))) << l.toStdString();
}

TEST(LumenomajLotPhoto, SavedFieldsReadBackAndTheImageDataStays) {
    DossierTest d;
    const QString chemin = copier("canon-powershot-s330-mm.jpg", d.chemin(), "photo.jpg");
    const QByteArray image = donneesImage(chemin);
    PhotoMetadonnees p = ChargementPhoto::charger(chemin);
    ASSERT_TRUE(p.lue);
    ChampsPhoto c = p.champs;
    c.xpTitre = "Œuvre € d’été";
    c.xpMotsCles = "Plage Mer ";
    c.description = "Plage";
    c.dateOrigine = "2004:06:15 14:30:00";
    c.artiste = "Jamais écrit";
    c.iptcMotsCles = "Plage\r\nMer\r\n"; // a final line end writes no empty keyword
    c.iptcAuteur = "Marie;Paul;";
    c.iptcAnnee = "4";
    c.iptcMois = "6";
    c.iptcJour = "3";
    c.iptcUrgence = 5;
    QString erreur;
    ASSERT_TRUE(ChargementPhoto::sauver(p, c, &erreur)) << erreur.toStdString();

    const PhotoMetadonnees relue = ChargementPhoto::charger(chemin);
    EXPECT_EQ(relue.champs.xpTitre, "Œuvre € d’été");
    EXPECT_EQ(relue.champs.xpMotsCles, "Plage Mer ");
    EXPECT_EQ(relue.champs.description, "Plage");
    EXPECT_EQ(relue.champs.dateOrigine, "2004:06:15 14:30:00");
    EXPECT_TRUE(relue.champs.artiste.isEmpty());
    EXPECT_EQ(relue.iptc.textes(25), (QStringList{"Plage", "Mer"}));
    EXPECT_EQ(relue.iptc.textes(80), (QStringList{"Marie", "Paul"}));
    EXPECT_EQ(relue.iptc.textes(55), QStringList{"00040603"});
    EXPECT_EQ(relue.iptc.textes(10), QStringList{"6"});
    EXPECT_EQ(relue.lignesNote, p.lignesNote);
    EXPECT_EQ(donneesImage(chemin), image);
}

TEST(LumenomajLotPhoto, AnEmptySingleBoxRemovesItsDatasetAndListsAreReplaced) {
    DossierTest d;
    const QString chemin = copier("iptc-only-no-app1.jpg", d.chemin(), "photo.jpg");
    PhotoMetadonnees p = ChargementPhoto::charger(chemin);
    ChampsPhoto c = p.champs;
    c.iptcVille = "Nice";
    c.iptcMotsCles = "Un\r\n\r\nDeux";
    QString erreur;
    ASSERT_TRUE(ChargementPhoto::sauver(p, c, &erreur)) << erreur.toStdString();
    EXPECT_EQ(p.iptc.textes(25), (QStringList{"Un", "Deux"}));
    EXPECT_EQ(p.iptc.textes(90), QStringList{"Nice"});

    c = p.champs;
    c.iptcVille.clear();
    ASSERT_TRUE(ChargementPhoto::sauver(p, c, &erreur));
    EXPECT_TRUE(p.iptc.textes(90).isEmpty());
}

TEST(LumenomajLotPhoto, AnUnreadablePhotoIsNeverSaved) {
    DossierTest d;
    const QByteArray pasUneImage("Ceci n'est pas une photo");
    const QString chemin = d.fichier("casse.jpg", pasUneImage);
    PhotoMetadonnees p = ChargementPhoto::charger(chemin);
    EXPECT_FALSE(p.lue);
    EXPECT_FALSE(p.erreurLecture.isEmpty());
    ChampsPhoto c;
    c.xpTitre = "Titre";
    QString erreur;
    EXPECT_FALSE(ChargementPhoto::sauver(p, c, &erreur));
    EXPECT_FALSE(erreur.isEmpty());
    EXPECT_EQ(lire(chemin), pasUneImage);
}
