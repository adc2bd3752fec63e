// The IPTC record through the photo reader and writer: a photo edited and saved keeps its image and
// its other segments, and exiftool reads the new values.
#include "DossierTest.h"
#include "FichierJpeg.h"
#include "IptcJpeg.h"
#include "OutilsJpegTest.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

using namespace OutilsJpegTest;

namespace {

const QString kDossierJpeg = QStringLiteral(LUMENO_TESTDATA_DIR "/jpeg");

QStringList liste(const QJsonValue& v) {
    QStringList l;
    for (const QJsonValue& e : v.isArray() ? v.toArray() : QJsonArray{v})
        l << e.toString();
    return l;
}

} // namespace

TEST(LumenomajIptcJpeg, EditedPhotosRoundTripThroughTheWriterAndExiftool) {
    const QStringList photos = {"canon-eos1d-mm-iptc.jpg", "xp-iptc-exif-then-xmp-ii.jpg",
                                "xp-all5-xmp-then-exif-mm-iptc-not-first.jpg", "sony-dsc-f828-ii.jpg"};
    DossierTest dossier;
    QStringList chemins;
    QList<BlocIptc> blocs;
    QList<int> autresAvant;
    for (const QString& photo : photos) {
        SCOPED_TRACE(photo.toStdString());
        const QString chemin = dossier.chemin(photo);
        ASSERT_TRUE(QFile::copy(kDossierJpeg + '/' + photo, chemin));
        FichierJpeg jpeg;
        QString erreur;
        ASSERT_TRUE(jpeg.lire(chemin, &erreur)) << erreur.toStdString();
        BlocIptc bloc = IptcJpeg::lire(jpeg);
        autresAvant << bloc.autresRessources().size();
        bloc.definirTexte(0x1C, 2, 120, "Coucher de soleil à Saint-Raphaël", 1, false);
        bloc.remplacerTextes(25, {"Mer", "Été", "Œuvre"});
        bloc.remplacerTextes(80, {"Zoé"});
        bloc.definirTexte(0x1C, 2, 90, "Fréjus", 1, false);
        bloc.definirTexte(0x1C, 2, 55, "20040615", 1, false);
        IptcJpeg::placer(jpeg, bloc);
        ASSERT_TRUE(jpeg.ecrire(chemin, &erreur)) << erreur.toStdString(); // over the file it read
        chemins << chemin;
        blocs << bloc;
    }

    const QList<QJsonObject> lus = exiftool(chemins);
    ASSERT_EQ(lus.size(), photos.size());
    for (int i = 0; i < photos.size(); ++i) {
        SCOPED_TRACE(photos[i].toStdString());
        const QJsonObject avant =
            QJsonDocument::fromJson(lireFichier(kDossierJpeg + "/oracle/" + photos[i] + ".json"))
                .array()
                .first()
                .toObject();
        const QJsonObject& apres = lus[i];
        EXPECT_EQ(apres["IPTC:Caption-Abstract"].toString(), "Coucher de soleil à Saint-Raphaël");
        EXPECT_EQ(liste(apres["IPTC:Keywords"]), QStringList({"Mer", "Été", "Œuvre"}));
        EXPECT_EQ(apres["IPTC:By-line"].toString(), "Zoé");
        EXPECT_EQ(apres["IPTC:City"].toString(), "Fréjus");
        EXPECT_EQ(apres["IPTC:DateCreated"].toString(), "2004:06:15");
        // The picture and the other metadata are those of the original.
        for (const char* cle : {"File:ImageWidth", "File:ImageHeight", "IFD0:Make", "IFD0:Model",
                                "ExifIFD:DateTimeOriginal", "XMP-x:XMPToolkit", "Photoshop:XResolution"})
            EXPECT_EQ(apres[cle], avant[cle]) << cle;

        FichierJpeg relu;
        ASSERT_TRUE(relu.lire(chemins[i]));
        const BlocIptc bloc = IptcJpeg::lire(relu);
        EXPECT_EQ(bloc.donnees(), blocs[i].donnees());
        EXPECT_EQ(bloc.autresRessources().size(), autresAvant[i]);
        EXPECT_TRUE(bloc.defauts().isEmpty());
    }
}

TEST(LumenomajIptcJpeg, RemovingEveryDatasetKeepsTheOtherResourcesOrDropsTheSegment) {
    DossierTest dossier;
    for (const QString photo : {"iptc-only-no-app1.jpg", "fuji-s1pro-nomn-gps-iptc-ii.jpg"}) {
        SCOPED_TRACE(photo.toStdString());
        const QString chemin = dossier.chemin(photo);
        ASSERT_TRUE(QFile::copy(kDossierJpeg + '/' + photo, chemin));
        FichierJpeg jpeg;
        ASSERT_TRUE(jpeg.lire(chemin));
        BlocIptc bloc = IptcJpeg::lire(jpeg);
        const bool autres = !bloc.autresRessources().isEmpty();
        for (const DonneeIptc& d : QList<DonneeIptc>(bloc.donnees()))
            bloc.supprimer(d.marqueur, d.enregistrement, d.numero, -1);
        IptcJpeg::placer(jpeg, bloc);
        ASSERT_TRUE(jpeg.ecrire(chemin));
        const QJsonObject apres = exiftool(chemin);
        bool iptc = false;
        bool photoshop = false;
        for (auto it = apres.begin(); it != apres.end(); ++it) {
            iptc |= it.key().startsWith("IPTC:");
            photoshop |= it.key().startsWith("Photoshop:");
        }
        EXPECT_FALSE(iptc);
        EXPECT_EQ(photoshop, autres);
        EXPECT_EQ(segmentsApp13(lireFichier(chemin)).isEmpty(), !autres);
    }
}

TEST(LumenomajIptcJpeg, APhotoCutInsideItsIptcIsReadWithoutFault) {
    FichierJpeg jpeg;
    ASSERT_TRUE(jpeg.lire(kDossierJpeg + "/truncated-in-app13-iptc-only.jpg"));
    const BlocIptc bloc = IptcJpeg::lire(jpeg);
    EXPECT_FALSE(bloc.defauts().isEmpty());
    for (const DonneeIptc& d : bloc.donnees())
        bloc.decrire(d);
}
