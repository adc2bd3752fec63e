#include "FabriqueTiff.h"

#include <EcrivainExif.h>
#include <LecteurExif.h>
#include <ModificationExif.h>
#include <TexteExif.h>

#include <QtEndian>

#include <gtest/gtest.h>

namespace {

// IFD0 entries of a rebuilt segment, as 12-byte fields: the value field of entry i.
QByteArray champValeur(const QByteArray& segment, int i) {
    return segment.mid(10 + 8 + 2 + i * 12 + 8, 4);
}

bool memesEntrees(const Ifd& a, const Ifd& b) {
    if (a.entrees.size() != b.entrees.size()) {
        return false;
    }
    for (qsizetype i = 0; i < a.entrees.size(); ++i) {
        const EntreeIfd& x = a.entrees[i];
        const EntreeIfd& y = b.entrees[i];
        if (x.tag != y.tag || x.type != y.type || x.count != y.count || x.donnees != y.donnees) {
            return false;
        }
    }
    return true;
}

TEST(MetadataExifEcrivain, ANewSegmentForAPhotoWithoutExif) {
    BlocExif bloc;
    definirTexteXp(bloc, TagXpTitre, QStringLiteral("AB"));
    const QByteArray segment = construireApp1(bloc);
    const QByteArray attendu = QByteArray("\xFF\xE1\x00\x28"
                                          "Exif\0\0"
                                          "II\x2A\0\x08\0\0\0"
                                          "\x01\0"
                                          "\x9B\x9C\x01\0\x06\0\0\0\x1A\0\0\0"
                                          "\0\0\0\0"
                                          "A\0B\0\0\0",
                                          42);
    EXPECT_EQ(segment.toHex(' '), attendu.toHex(' '));
    EXPECT_TRUE(construireApp1(*std::make_unique<BlocExif>()).isEmpty()) << "no entry, no segment";
}

TEST(MetadataExifEcrivain, XpFieldsHoldAnyCharacter) {
    BlocExif bloc;
    const QString texte = QStringLiteral("Noël à Paris œ € ’ 日本");
    definirTexteXp(bloc, TagXpMotsCles, texte);
    const EntreeIfd* entree = bloc.ifd0.trouver(TagXpMotsCles);
    ASSERT_NE(entree, nullptr);
    EXPECT_EQ(entree->type, ExifByte);
    EXPECT_EQ(entree->donnees.size(), texte.size() * 2 + 2);
    EXPECT_EQ(texteXp(lireExif(construireApp1(bloc)).ifd0.trouver(TagXpMotsCles)->donnees), texte);
    definirTexteXp(bloc, TagXpMotsCles, QString());
    EXPECT_EQ(bloc.ifd0.trouver(TagXpMotsCles), nullptr);
    // Set through the general setter, an XP tag is an XP text whatever the directory chosen.
    definirEntree(bloc, SelecteurExif, TagXpSujet, ExifAscii, QStringLiteral("Été"), 4);
    EXPECT_EQ(texteXp(bloc.ifd0.trouver(TagXpSujet)->donnees), QStringLiteral("Été"));
    EXPECT_TRUE(bloc.exif.vide());
}

TEST(MetadataExifEcrivain, KeepsTheByteOrderOfTheFile) {
    const FabriqueTiff f(true);
    QByteArray tiff =
        f.entete(8) +
        f.repertoire({f.entree(256, 3, 1, f.n16(0x0102)), f.entree(271, 2, 6, 50), f.entree(282, 5, 1, 56)}) +
        QByteArray("Canon\0", 6) + f.n32(72) + f.n32(1);
    BlocExif bloc = lireExif(FabriqueTiff::app1(tiff));
    ASSERT_EQ(bloc.ifd0.entrees.size(), 3);
    const BlocExif avant = bloc;
    const QByteArray segment = construireApp1(bloc);
    EXPECT_EQ(segment.mid(10, 4), QByteArray("MM\0*", 4));
    EXPECT_EQ(champValeur(segment, 0), QByteArray("\x01\x02\0\0", 4)) << "a SHORT written big-endian";
    EXPECT_TRUE(segment.contains(QByteArray("Canon\0", 6))) << "ASCII keeps its character order";
    EXPECT_TRUE(segment.contains(f.n32(72) + f.n32(1)));
    EXPECT_EQ(bloc.ifd0.entrees[2].donnees, avant.ifd0.entrees[2].donnees)
        << "the record stays little-endian";
    EXPECT_TRUE(memesEntrees(lireExif(segment).ifd0, avant.ifd0));
}

TEST(MetadataExifEcrivain, ShortValuesLiveInTheValueField) {
    BlocExif bloc;
    struct Cas {
        QString texte;
        QByteArray champ; // empty when the value goes to the data area
        int longueurDonnees;
    };
    for (const Cas& c :
         {Cas{QStringLiteral("Hello"), {}, 6}, Cas{QStringLiteral("Hi"), QByteArray("Hi\0\0", 4), 0},
          Cas{QStringLiteral("ABC"), QByteArray("ABC\0", 4), 0}, Cas{QStringLiteral("ABCD"), {}, 6}}) {
        SCOPED_TRACE(c.texte.toStdString());
        definirTexteExif(bloc, SelecteurIfd0, 305, c.texte);
        const QByteArray segment = construireApp1(bloc);
        const qsizetype tailleRepertoire = 2 + 12 + 4;
        EXPECT_EQ(segment.size(), 10 + 8 + tailleRepertoire + c.longueurDonnees);
        if (!c.champ.isEmpty()) {
            EXPECT_EQ(champValeur(segment, 0), c.champ);
        } else {
            EXPECT_EQ(qFromLittleEndian<quint32>(champValeur(segment, 0).constData()),
                      quint32(8 + tailleRepertoire));
        }
        EXPECT_EQ(texteAscii(lireExif(segment).ifd0.trouver(305)->donnees), c.texte);
    }
}

TEST(MetadataExifEcrivain, SettersReplaceInPlaceAppendAndRemove) {
    BlocExif bloc;
    definirTexteExif(bloc, SelecteurIfd0, 271, QStringLiteral("Canon"));
    definirTexteExif(bloc, SelecteurIfd0, 272, QStringLiteral("S330"));
    definirEntree(bloc, SelecteurIfd0, 271, ExifShort, 7, 2);
    definirEntree(bloc, SelecteurIfd0, 282, ExifRational, QVariantList{72, 1}, 8);
    definirEntree(bloc, SelecteurIfd0, 258, ExifShort, QVariantList{8, 8, 8}, 6);
    definirEntree(bloc, SelecteurIfd0, 1, ExifUndefined, QByteArray("\1\2\3"), 3);
    QList<quint32> tags;
    for (const EntreeIfd& e : bloc.ifd0.entrees) {
        tags << e.tag;
    }
    EXPECT_EQ(tags, (QList<quint32>{271, 272, 282, 258, 1}));
    EXPECT_EQ(bloc.ifd0.entrees[0].type, ExifShort);
    EXPECT_EQ(bloc.ifd0.entrees[0].count, 1u);
    EXPECT_EQ(bloc.ifd0.entrees[2].donnees, QByteArray("\x48\0\0\0\x01\0\0\0", 8));
    EXPECT_EQ(bloc.ifd0.entrees[2].count, 1u);
    EXPECT_EQ(bloc.ifd0.entrees[3].count, 3u);
    EXPECT_EQ(bloc.ifd0.entrees[4].donnees, QByteArray("\1\2\3"));

    definirEntree(bloc, SelecteurIfd0, 272, ExifAscii, QString(), 0);
    supprimerEntree(bloc, SelecteurIfd0, 9999);
    EXPECT_EQ(bloc.ifd0.trouver(272), nullptr);
    EXPECT_EQ(bloc.ifd0.entrees.size(), 4);
    EXPECT_EQ(bloc.ifd0.nombreEntrees, 4u);
}

// A pointer entry exists exactly when its directory has entries.
TEST(MetadataExifEcrivain, PointerEntriesFollowTheirDirectories) {
    BlocExif bloc;
    definirTexteExif(bloc, SelecteurGps, 1, QStringLiteral("N"));
    definirTexteExif(bloc, SelecteurInterop, 1, QStringLiteral("R98"));
    BlocExif relu = lireExif(construireApp1(bloc));
    ASSERT_NE(relu.ifd0.trouver(TagGpsInfo), nullptr);
    ASSERT_NE(relu.ifd0.trouver(TagExifOffset), nullptr);
    ASSERT_NE(relu.exif.trouver(TagInteropOffset), nullptr);
    EXPECT_EQ(texteAscii(relu.gps.trouver(1)->donnees), QStringLiteral("N"));
    EXPECT_EQ(texteAscii(relu.interop.trouver(1)->donnees), QStringLiteral("R98"));

    supprimerEntree(relu, SelecteurGps, 1);
    supprimerEntree(relu, SelecteurInterop, 1);
    const BlocExif vide = lireExif(construireApp1(relu));
    EXPECT_TRUE(vide.estVide()) << "no directory left, no pointer left";
}

TEST(MetadataExifEcrivain, ThumbnailFollowsAndItsOffsetIsUpdated) {
    for (quint32 tagOffset : {quint32(TagJpegIfOffset), quint32(TagStripOffsets)}) {
        const quint32 tagLongueur = tagOffset == TagJpegIfOffset ? TagJpegIfByteCount : TagStripByteCounts;
        SCOPED_TRACE(tagOffset);
        const FabriqueTiff f(false);
        const QByteArray tiff =
            f.entete(8) + f.repertoire({f.entree(271, 2, 2, QByteArray("A\0", 2))}, 26) +
            f.repertoire({f.entree(tagOffset, 4, 1, f.n32(56)), f.entree(tagLongueur, 4, 1, f.n32(5))}) +
            QByteArray("THUMB");
        BlocExif bloc = lireExif(FabriqueTiff::app1(tiff));
        ASSERT_EQ(bloc.miniature, QByteArray("THUMB"));
        definirTexteExif(bloc, SelecteurIfd0, 305, QStringLiteral("a longer software name"));
        const BlocExif relu = lireExif(construireApp1(bloc));
        EXPECT_EQ(relu.miniature, QByteArray("THUMB"));
        EXPECT_TRUE(relu.anomalies.isEmpty());
    }
}

// The maker note keeps the place it was read from while the directories around it change, so the
// offsets inside it stay true; a hook may move and rebuild it instead.
TEST(MetadataExifEcrivain, MakerNoteStaysInPlaceOrGoesThroughTheHook) {
    const FabriqueTiff f(true);
    const QByteArray note("NOTE-WITH-OFFSETS");
    const QByteArray tiff =
        f.entete(8) + f.repertoire({f.entree(271, 2, 2, QByteArray("A\0", 2)), f.entree(34665, 4, 1, 38)}) +
        f.repertoire({f.entree(37500, 7, quint32(note.size()), 56)}) + note;
    BlocExif bloc = lireExif(FabriqueTiff::app1(tiff));
    ASSERT_EQ(bloc.positionNoteLue, 56u);
    definirTexteXp(bloc, TagXpTitre, QStringLiteral("A title long enough to push every block forward"));
    definirTexteExif(bloc, SelecteurExif, 36867, QStringLiteral("2004:06:15 10:20:30"));
    BlocExif copie = bloc;
    const QByteArray segment = construireApp1(bloc);
    EXPECT_EQ(segment.mid(10 + 56, note.size()), note);
    const BlocExif relu = lireExif(segment);
    EXPECT_EQ(relu.exif.trouver(TagMakerNote)->valeur, 56u);
    EXPECT_EQ(relu.exif.trouver(TagMakerNote)->donnees, note);
    EXPECT_EQ(texteAscii(relu.exif.trouver(36867)->donnees), QStringLiteral("2004:06:15 10:20:30"));
    EXPECT_TRUE(relu.anomalies.isEmpty());

    quint32 positionDonnee = 0;
    PlacementNoteFabricant placement;
    placement.garderPosition = false;
    placement.reconstruire = [&](const BlocExif&, const EntreeIfd& entree, quint32 position) {
        EXPECT_EQ(entree.donnees, note);
        positionDonnee = position;
        return QByteArray("REBUILT-NOTE");
    };
    const BlocExif deplace = lireExif(construireApp1(copie, placement));
    EXPECT_EQ(deplace.exif.trouver(TagMakerNote)->donnees, QByteArray("REBUILT-NOTE"));
    EXPECT_EQ(deplace.exif.trouver(TagMakerNote)->valeur, positionDonnee);
    EXPECT_NE(positionDonnee, 56u);
}

// A damaged Exif directory with a second, larger maker-note entry: only the first keeps its place;
// the second is placed like any other value, inside the segment (found by the fuzzer: it was written
// past the end of the segment).
TEST(MetadataExifEcrivain, ASecondMakerNoteEntryDoesNotTakeTheKeptPlace) {
    const FabriqueTiff f(true);
    const QByteArray note("NOTE-WITH-OFFSETS");
    const QByteArray grande(300, 'G');
    const quint32 apresRepertoire = 38 + 2 + 2 * 12 + 4;
    const QByteArray tiff =
        f.entete(8) + f.repertoire({f.entree(271, 2, 2, QByteArray("A\0", 2)), f.entree(34665, 4, 1, 38)}) +
        f.repertoire(
            {f.entree(37500, 7, quint32(note.size()), apresRepertoire),
             f.entree(37500, 7, quint32(grande.size()), apresRepertoire + quint32(note.size()) + 1)}) +
        note + QByteArray(1, '\0') + grande;
    BlocExif bloc = lireExif(FabriqueTiff::app1(tiff));
    ASSERT_EQ(bloc.exif.entrees.size(), 2);
    const QByteArray segment = construireApp1(bloc);
    ASSERT_FALSE(segment.isEmpty());
    const BlocExif relu = lireExif(segment);
    ASSERT_EQ(relu.exif.entrees.size(), 2);
    EXPECT_EQ(relu.exif.entrees[0].donnees, note);
    EXPECT_EQ(relu.exif.entrees[1].donnees, grande);
    EXPECT_NE(relu.exif.entrees[1].valeur, relu.exif.entrees[0].valeur);
}

TEST(MetadataExifEcrivain, RefusesASegmentAboveTheJpegLimit) {
    BlocExif bloc;
    definirTexteExif(bloc, SelecteurIfd0, 271, QStringLiteral("Canon"));
    definirEntree(bloc, SelecteurExif, 37510, ExifUndefined, QByteArray(70000, 'x'), 70000);
    QString erreur;
    EXPECT_TRUE(construireApp1(bloc, {}, &erreur).isEmpty());
    EXPECT_TRUE(erreur.contains(QStringLiteral("65535"))) << erreur.toStdString();
}

TEST(MetadataExifEcrivain, UnknownTypesKeepTheirCountAndBytes) {
    const FabriqueTiff f(true);
    const QByteArray tiff = f.entete(8) + f.repertoire({f.entree(999, 99, 7, QByteArray("\1\2\3\4", 4))});
    BlocExif bloc = lireExif(FabriqueTiff::app1(tiff));
    const QByteArray segment = construireApp1(bloc);
    EXPECT_EQ(segment.mid(10), tiff);
}

} // namespace
