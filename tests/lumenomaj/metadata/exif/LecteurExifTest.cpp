#include "FabriqueTiff.h"

#include <DictionnaireExif.h>
#include <LecteurExif.h>

#include <QtEndian>

#include <functional>
#include <gtest/gtest.h>

namespace {

// A small sound file, laid out by hand (offsets from the TIFF header):
//   8 IFD0 (7 entries) · 98 XResolution · 106 Exif (3 entries) · 148 FNumber · 156 maker note
//   162 IFD1 (2 entries) · 192 thumbnail (4 bytes).
struct Echantillon {
    QByteArray tiff;
    // Byte positions in the TIFF bytes of fields a test may damage.
    static constexpr int offsetIfd0 = 4;
    static constexpr int compteIfd0 = 8;
    static constexpr int offsetXResolution = 10 + 2 * 12 + 8;
    static constexpr int offsetExif = 10 + 6 * 12 + 8;
    static constexpr int offsetIfd1 = 10 + 7 * 12;
    static constexpr int longueurMiniature = 164 + 12 + 8;
};

Echantillon echantillon(bool mm) {
    const FabriqueTiff f(mm);
    QByteArray t = f.entete(8);
    t += f.repertoire({f.entree(256, 3, 1, f.n16(0x0102)), f.entree(271, 2, 4, QByteArray("Abc\0", 4)),
                       f.entree(282, 5, 1, 98), f.entree(330, 13, 1, f.n32(1234)),
                       f.entree(999, 99, 7, QByteArray("\1\2\3\4", 4)), f.entree(40000, 3, 1, f.n16(5)),
                       f.entree(34665, 4, 1, 106)},
                      162);
    t += f.n32(72) + f.n32(1);
    t += f.repertoire(
        {f.entree(33437, 5, 1, 148), f.entree(36864, 7, 4, QByteArray("0220")), f.entree(37500, 7, 6, 156)});
    t += f.n32(28) + f.n32(10);
    t += QByteArray("MKNOTE");
    t += f.repertoire({f.entree(513, 4, 1, f.n32(192)), f.entree(514, 4, 1, f.n32(4))});
    t += QByteArray("\xFF\xD8\xFF\xD9", 4);
    return {t};
}

QByteArray le32(quint32 a, quint32 b) {
    QByteArray r(8, '\0');
    qToLittleEndian<quint32>(a, r.data());
    qToLittleEndian<quint32>(b, r.data() + 4);
    return r;
}

// The same record whatever the byte order of the file: every value little-endian.
TEST(MetadataExifLecteur, ReadsEveryDirectoryInBothByteOrders) {
    for (bool mm : {true, false}) {
        SCOPED_TRACE(mm ? "MM" : "II");
        const BlocExif bloc = lireExif(FabriqueTiff::app1(echantillon(mm).tiff));
        EXPECT_TRUE(bloc.anomalies.isEmpty()) << bloc.anomalies.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(bloc.ordreOctets, mm ? 0x4D4D : 0x4949);
        EXPECT_EQ(bloc.identifiant, QByteArray("Exif\0\0", 6) + (mm ? 'M' : 'I'));
        EXPECT_EQ(bloc.longueurSegment, 196u + 8);
        ASSERT_EQ(bloc.ifd0.entrees.size(), 7);
        EXPECT_EQ(bloc.ifd0.offset, 8u);

        const EntreeIfd& largeur = bloc.ifd0.entrees[0];
        EXPECT_EQ(largeur.donnees, QByteArray("\x02\x01", 2));
        EXPECT_EQ(nomEtTexteExif(largeur).texte, QStringLiteral("258 pixels per row"));
        EXPECT_EQ(bloc.ifd0.entrees[1].donnees, QByteArray("Abc\0", 4)) << "ASCII keeps its order";
        EXPECT_EQ(bloc.ifd0.entrees[2].donnees, le32(72, 1)) << "a RATIONAL is two little-endian halves";
        EXPECT_EQ(bloc.ifd0.entrees[3].donnees, QByteArray("\xD2\x04\0\0", 4)) << "type 13 is read as a LONG";
        EXPECT_EQ(nomEtTexteExif(bloc.ifd0.entrees[3]).texte, QStringLiteral("1234"));
        const EntreeIfd& inconnu = bloc.ifd0.entrees[4];
        EXPECT_EQ(inconnu.count, 7u);
        EXPECT_EQ(inconnu.donnees, QByteArray("\1\2\3\4", 4)) << "an unknown type keeps its value field";
        EXPECT_EQ(nomEtTexteExif(bloc.ifd0.entrees[5]).nom, QStringLiteral("Unknown (9C40)"));

        ASSERT_EQ(bloc.exif.entrees.size(), 3);
        EXPECT_EQ(bloc.exif.offset, 106u);
        EXPECT_EQ(nomEtTexteExif(bloc.exif.entrees[0]).texte, QStringLiteral("2.8"));
        EXPECT_EQ(nomEtTexteExif(bloc.exif.entrees[1]).texte, QStringLiteral("0x30323230"));
        EXPECT_EQ(bloc.exif.entrees[2].donnees, QByteArray("MKNOTE"));
        EXPECT_EQ(bloc.positionNoteLue, 156u);
        EXPECT_EQ(bloc.longueurNoteLue, 6u);

        ASSERT_EQ(bloc.ifd1.entrees.size(), 2);
        EXPECT_EQ(bloc.ifd1.offset, 162u);
        EXPECT_EQ(bloc.miniature, QByteArray("\xFF\xD8\xFF\xD9", 4));
        EXPECT_TRUE(bloc.gps.vide());
        EXPECT_TRUE(bloc.interop.vide());
    }
}

void ecrire32(QByteArray& tiff, int position, quint32 valeur) {
    qToLittleEndian<quint32>(valeur, tiff.data() + position);
}

// A damaged segment is read as far as it is sound: what lies outside is left out and named.
TEST(MetadataExifLecteur, ReadsDamagedSegmentsAsFarAsTheyAreSound) {
    struct Cas {
        const char* nom;
        std::function<void(QByteArray&)> abimer;
        qsizetype entreesIfd0;
        qsizetype entreesExif;
        bool miniature;
    };
    const QList<Cas> cas{
        {"IFD0 hors du segment", [](QByteArray& t) { ecrire32(t, Echantillon::offsetIfd0, 5000); }, 0, 0,
         false},
        {"donnees hors du segment", [](QByteArray& t) { ecrire32(t, Echantillon::offsetXResolution, 5000); },
         6, 3, true},
        {"Exif pointe sur IFD0", [](QByteArray& t) { ecrire32(t, Echantillon::offsetExif, 8); }, 7, 0, true},
        {"IFD1 pointe sur IFD0", [](QByteArray& t) { ecrire32(t, Echantillon::offsetIfd1, 8); }, 7, 3, false},
        {"IFD1 pointe sur Exif", [](QByteArray& t) { ecrire32(t, Echantillon::offsetIfd1, 106); }, 7, 3,
         false},
        {"compte absurde",
         [](QByteArray& t) { qToLittleEndian<quint16>(65535, t.data() + Echantillon::compteIfd0); }, 15, 3,
         false},
        {"miniature trop longue", [](QByteArray& t) { ecrire32(t, Echantillon::longueurMiniature, 100000); },
         7, 3, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        QByteArray tiff = echantillon(false).tiff;
        c.abimer(tiff);
        const BlocExif bloc = lireExif(FabriqueTiff::app1(tiff));
        if (c.entreesIfd0 == 15) {
            // Only the entries that fit in the segment are read; those past the real ones are noise.
            EXPECT_LE(bloc.ifd0.entrees.size(), 15);
            EXPECT_GE(bloc.ifd0.entrees.size(), 7);
        } else {
            EXPECT_EQ(bloc.ifd0.entrees.size(), c.entreesIfd0);
        }
        EXPECT_EQ(bloc.exif.entrees.size(), c.entreesExif);
        EXPECT_EQ(!bloc.miniature.isEmpty(), c.miniature);
        EXPECT_FALSE(bloc.anomalies.isEmpty());
    }
    // Cut at every length: never a read past the end (the sanitizer build checks it), and what lies
    // before the cut is read.
    const QByteArray entier = FabriqueTiff::app1(echantillon(true).tiff);
    for (qsizetype longueur = 0; longueur <= entier.size(); ++longueur) {
        const BlocExif bloc = lireExif(entier.left(longueur));
        if (longueur >= 10 + 106) { // the end of the XResolution data
            EXPECT_EQ(bloc.ifd0.entrees.size(), 7) << longueur;
        }
    }
    EXPECT_TRUE(lireExif(FabriqueTiff::app1(QByteArray("XX*\0\x08\0\0\0", 8))).estVide());
}

} // namespace
