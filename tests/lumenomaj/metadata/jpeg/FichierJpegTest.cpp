#include <CopieOctets.h>
#include <FichierJpeg.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include <gtest/gtest.h>

namespace {

QByteArray segment(uchar code, const QByteArray& charge) {
    QByteArray s;
    const int longueur = int(charge.size()) + 2;
    s.append(char(0xFF)).append(char(code)).append(char(longueur >> 8)).append(char(longueur & 0xFF));
    return s + charge;
}

const QByteArray soi("\xFF\xD8", 2);
const QByteArray eoi("\xFF\xD9", 2);
const QByteArray app0 = segment(0xE0, QByteArray("JFIF\0\1\1\0\0\1\0\1\0\0", 14));
const QByteArray dqt = segment(0xDB, QByteArray(65, '\x10'));
const QByteArray sos = segment(0xDA, QByteArray("\x01\x01\x00\x00\x3F\x00", 6));
const QByteArray donnees("\x12\x34\xFF\x00\x56\x78\xFF\xD0\x9A", 9);
const QByteArray exif = segment(0xE1, QByteArray("Exif\0\0II*\0\x08\0\0\0\0\0\0\0\0\0", 20));
const QByteArray xmp = segment(0xE1, QByteArray("http://ns.adobe.com/xap/1.0/\0<x:xmpmeta/>", 41));
const QByteArray app13 = segment(0xED, QByteArray("Photoshop 3.0\0008BIM\x04\x04\0\0\0\0\0\0", 26));

class Dossier {
public:
    QString ecrire(const QString& nom, const QByteArray& octets) {
        QFile f(dir_.filePath(nom));
        f.open(QIODevice::WriteOnly);
        f.write(octets);
        return f.fileName();
    }
    QString chemin(const QString& nom) const { return dir_.filePath(nom); }

private:
    QTemporaryDir dir_;
};

QByteArray lireTout(const QString& chemin) {
    QFile f(chemin);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

TEST(MetadataJpegCopieOctets, CopiesUnchangedReversedOrNothing) {
    const char source[4] = {1, 2, 3, 4};
    struct Cas {
        int mode;
        QByteArray attendu;
    };
    for (const Cas& cas : {Cas{1, QByteArray("\1\2\3\4", 4)}, Cas{0, QByteArray("\4\3\2\1", 4)},
                           Cas{7, QByteArray("\0\0\0\0", 4)}}) {
        char destination[4] = {0, 0, 0, 0};
        CopieOctets(destination, source, 4, cas.mode);
        EXPECT_EQ(QByteArray(destination, 4), cas.attendu) << cas.mode;
    }
    char enPlace[3] = {1, 2, 3};
    CopieOctets(enPlace, enPlace, 3, 0);
    EXPECT_EQ(QByteArray(enPlace, 3), QByteArray("\3\2\1", 3));
}

// Each file is read, written back unchanged and compared with what the writer must give: SOI, the
// APP13 segments, the EXIF segment, then every other segment in its order, then the image data to
// the end of the file (a missing end-of-image marker or trailing bytes included).
TEST(MetadataJpegFichier, WritesBackSegmentsInOrderAndImageDataToTheLastByte) {
    const QByteArray apresImage = QByteArray("trailing data after the end of image", 36);
    struct Cas {
        const char* nom;
        QByteArray source;
        QByteArray attendu;
    };
    const QList<Cas> cas{
        {"sans metadonnees", soi + app0 + dqt + sos + donnees + eoi, soi + app0 + dqt + sos + donnees + eoi},
        {"exif apres jfif", soi + app0 + exif + dqt + sos + donnees + eoi,
         soi + exif + app0 + dqt + sos + donnees + eoi},
        {"iptc et exif", soi + exif + app0 + app13 + sos + donnees + eoi,
         soi + app13 + exif + app0 + sos + donnees + eoi},
        {"xmp garde a sa place", soi + exif + xmp + dqt + sos + donnees + eoi,
         soi + exif + xmp + dqt + sos + donnees + eoi},
        {"sans fin d'image", soi + app0 + sos + donnees, soi + app0 + sos + donnees},
        {"donnees apres la fin", soi + app0 + sos + donnees + eoi + apresImage,
         soi + app0 + sos + donnees + eoi + apresImage},
        {"octets de remplissage", soi + app0 + QByteArray("\xFF\xFF", 2) + dqt + sos + donnees + eoi,
         soi + app0 + dqt + sos + donnees + eoi},
        {"second exif garde", soi + exif + exif + sos + donnees + eoi,
         soi + exif + exif + sos + donnees + eoi},
    };
    Dossier dossier;
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const QString chemin = dossier.ecrire(QStringLiteral("photo.jpg"), c.source);
        FichierJpeg photo;
        ASSERT_TRUE(photo.lire(chemin));
        EXPECT_TRUE(photo.aDesDonneesImage());
        EXPECT_EQ(photo.positionImage(), c.source.indexOf(donnees));
        const QString cible = dossier.chemin(QStringLiteral("copie.jpg"));
        QString erreur;
        ASSERT_TRUE(photo.ecrire(cible, &erreur)) << erreur.toStdString();
        EXPECT_EQ(lireTout(cible), c.attendu);
    }
}

TEST(MetadataJpegFichier, ExposesTheMetadataSegments) {
    Dossier dossier;
    const QByteArray app13b = segment(0xED, QByteArray("suite", 5));
    const QString chemin = dossier.ecrire(QStringLiteral("p.jpg"),
                                          soi + app0 + exif + xmp + app13 + app13b + sos + donnees + eoi);
    FichierJpeg photo;
    ASSERT_TRUE(photo.lire(chemin));
    EXPECT_EQ(photo.segmentExif(), exif);
    ASSERT_EQ(photo.chargesApp13().size(), 2);
    EXPECT_EQ(photo.chargesApp13()[0], app13.mid(4));
    EXPECT_EQ(photo.chargesApp13()[1], QByteArray("suite"));
    ASSERT_EQ(photo.segments().size(), 3); // APP0, XMP, SOS
    EXPECT_EQ(photo.segments()[1].code, 0xE1);
    EXPECT_EQ(photo.octetsSegment(photo.segments()[1]), xmp);
}

TEST(MetadataJpegFichier, ReplacesTheMetadataSegmentsOnSave) {
    Dossier dossier;
    const QString chemin =
        dossier.ecrire(QStringLiteral("p.jpg"), soi + app0 + exif + app13 + sos + donnees + eoi);
    FichierJpeg photo;
    ASSERT_TRUE(photo.lire(chemin));
    const QByteArray nouvelExif = segment(0xE1, QByteArray("Exif\0\0MM\0*\0\0\0\x08\0\0\0\0\0\0", 20));
    photo.remplacerSegmentExif(nouvelExif);
    photo.remplacerApp13(QByteArray("nouveau"));
    ASSERT_TRUE(photo.ecrire(chemin)); // onto the file that was read
    EXPECT_EQ(lireTout(chemin), soi + segment(0xED, "nouveau") + nouvelExif + app0 + sos + donnees + eoi);

    FichierJpeg relu;
    ASSERT_TRUE(relu.lire(chemin));
    relu.remplacerSegmentExif({});
    relu.remplacerApp13(QByteArray());
    ASSERT_TRUE(relu.ecrire(chemin));
    EXPECT_EQ(lireTout(chemin), soi + app0 + sos + donnees + eoi);
}

// Refusals leave the target exactly as it was.
TEST(MetadataJpegFichier, RefusesWhatItCannotWriteSoundlyAndLeavesTheFile) {
    Dossier dossier;
    const QByteArray bonne = soi + exif + sos + donnees + eoi;

    FichierJpeg pasJpeg;
    QString erreur;
    EXPECT_FALSE(pasJpeg.lire(
        dossier.ecrire(QStringLiteral("png.jpg"), QByteArray("\x89PNG\r\n\x1a\n....", 12)), &erreur));
    EXPECT_TRUE(erreur.contains(QStringLiteral("FF D8"))) << erreur.toStdString();
    EXPECT_FALSE(pasJpeg.lire(dossier.chemin(QStringLiteral("absent.jpg")), &erreur));

    struct Cas {
        const char* nom;
        QByteArray source;
    };
    for (const Cas& c :
         {Cas{"metadonnees seules", soi + exif + eoi},
          Cas{"coupe dans un segment", (soi + exif + dqt).left(40)},
          Cas{"longueur cassee", soi + QByteArray("\xFF\xE0\x00\x01", 4) + sos + donnees + eoi}}) {
        SCOPED_TRACE(c.nom);
        const QString chemin = dossier.ecrire(QStringLiteral("p.jpg"), c.source);
        const QString cible = dossier.ecrire(QStringLiteral("cible.jpg"), bonne);
        FichierJpeg photo;
        ASSERT_TRUE(photo.lire(chemin));
        EXPECT_FALSE(photo.aDesDonneesImage());
        EXPECT_FALSE(photo.ecrire(cible, &erreur));
        EXPECT_TRUE(erreur.contains(QStringLiteral("pas de données d'image"))) << erreur.toStdString();
        EXPECT_EQ(lireTout(cible), bonne);
    }

    const QString chemin = dossier.ecrire(QStringLiteral("p.jpg"), bonne);
    FichierJpeg photo;
    ASSERT_TRUE(photo.lire(chemin));
    FichierJpeg tropGrand = photo;
    tropGrand.remplacerSegmentExif(segment(0xE1, QByteArray(65534, 'x')));
    EXPECT_FALSE(tropGrand.ecrire(chemin, &erreur));
    EXPECT_TRUE(erreur.contains(QStringLiteral("65535"))) << erreur.toStdString();
    tropGrand = photo;
    tropGrand.remplacerApp13(QByteArray(65534, 'x'));
    EXPECT_FALSE(tropGrand.ecrire(chemin, &erreur));
    EXPECT_EQ(lireTout(chemin), bonne);

    // The source changed between reading and saving: its image data are no longer those we read.
    dossier.ecrire(QStringLiteral("p.jpg"), bonne + "plus long");
    EXPECT_FALSE(photo.ecrire(chemin, &erreur));
    EXPECT_TRUE(erreur.contains(QStringLiteral("a changé"))) << erreur.toStdString();
}

TEST(MetadataJpegFichier, SaveKeepsPermissionsAndLeavesNoTemporaryFile) {
    Dossier dossier;
    const QByteArray source = soi + exif + sos + donnees + eoi;
    const QString chemin = dossier.ecrire(QStringLiteral("p.jpg"), source);
    const auto droits = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(chemin, droits));
    FichierJpeg photo;
    ASSERT_TRUE(photo.lire(chemin));
    photo.remplacerApp13(QByteArray("iptc"));
    ASSERT_TRUE(photo.ecrire(chemin));
    EXPECT_EQ(QFile::permissions(chemin) & 0x7077, droits);
    EXPECT_EQ(QDir(dossier.chemin(QString())).entryList(QDir::Files | QDir::Hidden), QStringList{"p.jpg"})
        << "no temporary file is left beside the photo";

    // A target whose folder does not exist: reported, nothing made.
    QString erreurDossier;
    EXPECT_FALSE(photo.ecrire(dossier.chemin(QStringLiteral("absent/p.jpg")), &erreurDossier));
    EXPECT_FALSE(erreurDossier.isEmpty());
    EXPECT_FALSE(QFile::exists(dossier.chemin(QStringLiteral("absent"))));
}

TEST(MetadataJpegFichier, AFolderWeMayNotWriteIntoLeavesThePhotoWhole) {
    Dossier dossier;
    const QString chemin = dossier.ecrire(QStringLiteral("p.jpg"), soi + exif + sos + donnees + eoi);
    // A folder we may not write into: the new file cannot be made, the old one stays whole.
    if (::geteuid() == 0) {
        GTEST_SKIP() << "running as root: folder permissions do not stop writing";
    }
    const QByteArray avant = lireTout(chemin);
    const QString dossierPhoto = dossier.chemin(QString());
    QFile::setPermissions(dossierPhoto, QFile::ReadOwner | QFile::ExeOwner);
    FichierJpeg encore;
    ASSERT_TRUE(encore.lire(chemin));
    QString erreur;
    EXPECT_FALSE(encore.ecrire(chemin, &erreur));
    EXPECT_FALSE(erreur.isEmpty());
    QFile::setPermissions(dossierPhoto, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(lireTout(chemin), avant);
}

} // namespace
