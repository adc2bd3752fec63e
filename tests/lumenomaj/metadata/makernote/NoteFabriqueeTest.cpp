// Maker notes built by hand: maker codes, layouts, directories that cannot be read, damaged offsets,
// labels, and the note's offsets when the writer moves it.
#include <AnalyseNote.h>
#include <CodeFabricant.h>
#include <EtiquettesNote.h>
#include <LecteurNote.h>
#include <ReconstructionNote.h>

#include <LecteurExif.h>
#include <ModificationExif.h>

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// Numbers in one byte order, for hand-made TIFF bytes.
struct Octets {
    bool mm;
    QByteArray n16(quint32 n) const {
        QByteArray b(2, '\0');
        mm ? qToBigEndian<quint16>(quint16(n), b.data()) : qToLittleEndian<quint16>(quint16(n), b.data());
        return b;
    }
    QByteArray n32(quint32 n) const {
        QByteArray b(4, '\0');
        mm ? qToBigEndian<quint32>(n, b.data()) : qToLittleEndian<quint32>(n, b.data());
        return b;
    }
    QByteArray entree(quint16 tag, quint16 type, quint32 count, const QByteArray& champ) const {
        return n16(tag) + n16(type) + n32(count) + champ.leftJustified(4, '\0', true);
    }
};

QByteArray pair(QByteArray b) {
    if (b.size() % 2 != 0) {
        b.append('\0');
    }
    return b;
}

// An APP1 segment whose IFD0 holds the Make text (none when empty) and the Exif pointer, and whose Exif
// directory holds only the maker note. The note is made by fabriquer for the TIFF offset it will
// stand at.
QByteArray segmentAvecNote(bool mm, const QByteArray& marque,
                           const std::function<QByteArray(quint32 position)>& fabriquer) {
    const Octets o{mm};
    const QByteArray donneesMarque = marque.isEmpty() ? QByteArray() : pair(marque + '\0');
    const quint32 entreesIfd0 = marque.isEmpty() ? 1 : 2;
    const quint32 finIfd0 = 8 + 2 + entreesIfd0 * 12 + 4;
    const quint32 positionExif = finIfd0 + quint32(donneesMarque.size());
    const quint32 positionNote = positionExif + 2 + 12 + 4;
    const QByteArray note = fabriquer(positionNote);

    QByteArray tiff = mm ? QByteArray("MM\0*", 4) : QByteArray("II*\0", 4);
    tiff += o.n32(8) + o.n16(entreesIfd0);
    if (!marque.isEmpty()) {
        tiff += o.entree(271, ExifAscii, quint32(marque.size() + 1), o.n32(finIfd0));
    }
    tiff += o.entree(TagExifOffset, ExifLong, 1, o.n32(positionExif)) + o.n32(0) + donneesMarque;
    tiff += o.n16(1) + o.entree(TagMakerNote, ExifUndefined, quint32(note.size()), o.n32(positionNote)) +
            o.n32(0);
    tiff += note;
    QByteArray segment("\xFF\xE1", 2);
    segment += Octets{true}.n16(quint32(tiff.size() + 8)) + QByteArray("Exif\0\0", 6) + tiff;
    return segment;
}

BlocExif lire(const QByteArray& segment) {
    BlocExif bloc = lireExif(segment);
    lireNoteFabricant(bloc);
    return bloc;
}

QString texteEntree(const BlocExif& bloc, quint32 tag) {
    const EntreeIfd* e = bloc.noteFabricant.trouver(tag);
    return e == nullptr ? QStringLiteral("<absent>") : QString::fromLatin1(e->donnees);
}

TEST(MakernoteCode, FirstMakerNamedInTheMakeText) {
    const struct {
        const char* marque;
        qint32 code;
    } cas[] = {
        {"Canon", FabricantCanon},
        {"NIKON CORPORATION", FabricantNikon},
        {"SEIKO EPSON CORP.", FabricantEpson},
        {"KONICA CORPORATION", FabricantMinolta},
        {"Minolta Co., Ltd.", FabricantMinolta},
        {"Asahi Optical Co.,Ltd", FabricantPentax},
        {"PENTAX Corporation", FabricantPentax},
        {"CONTAX", FabricantKyocera},
        {"FOVEON", FabricantSigma},
        {"FUJIFILM", FabricantFuji},
        {"CASIO COMPUTER CO.,LTD", FabricantCasio},
        {"OLYMPUS OPTICAL CO.,LTD", FabricantOlympus},
        {"Canon Nikon", FabricantCanon}, // the order of the list decides, not the place in the text
        {"Sony Ericsson", FabricantSony},
        {"Apple", FabricantAutre},
        {"", FabricantAutre},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(codeFabricantMarque(QString::fromLatin1(c.marque)), c.code) << c.marque;
    }
}

TEST(MakernoteLayout, DirectoryPlaceTypeAndOrderFromTheHeader) {
    const struct {
        qint32 code;
        QByteArray debut;
        bool lisible;
        qint32 position;
        qint32 type;
        bool mm;
        BaseOffsets base;
    } cas[] = {
        {FabricantNikon, QByteArray("Nikon\0\2\0\0\0II*\0", 14), true, 18, 2, false, BaseOffsets::EnteteNote},
        {FabricantNikon, QByteArray("Nikon\0\2\x10\0\0MM\0*", 14), true, 18, 2, true,
         BaseOffsets::EnteteNote},
        {FabricantNikon, QByteArray("Nikon\0\1\0", 8), true, 8, 1, false, BaseOffsets::Tiff},
        {FabricantNikon, QByteArray("\x10\0\1\0", 4), true, 0, 2, false, BaseOffsets::Tiff},
        {FabricantCasio, QByteArray("QVC\0\0\0", 6), true, 6, 2, true, BaseOffsets::Tiff},
        {FabricantCasio, QByteArray("\0\x10", 2), true, 0, 1, true, BaseOffsets::Tiff},
        {FabricantFuji, QByteArray("FUJIFILM\x0C\0\0\0", 12), true, 12, 1, false, BaseOffsets::DebutNote},
        {FabricantCanon, QByteArray("\x0C\0", 2), true, 0, 1, false, BaseOffsets::Tiff},
        {FabricantOlympus, QByteArray("OLYMP\0\1\0", 8), true, 8, 1, false, BaseOffsets::Tiff},
        {FabricantSigma, QByteArray("SIGMA\0\0\0\1\0", 10), true, 10, 1, false, BaseOffsets::Tiff},
        {FabricantMinolta, QByteArray("MLY0"), false, 0, 0, false, BaseOffsets::Tiff},
        {FabricantMinolta, QByteArray("KC\0\0"), false, 0, 0, false, BaseOffsets::Tiff},
        {FabricantMinolta, QByteArray("+M+M+M+M"), false, 0, 0, false, BaseOffsets::Tiff},
        {FabricantMinolta, QByteArray("MINOLTA"), false, 0, 0, false, BaseOffsets::Tiff},
        {FabricantMinolta, QByteArray("\0\x10"), true, 0, 1, false, BaseOffsets::Tiff},
        {FabricantSony, QByteArray("SONY DSC \0\0\0", 12), true, 12, 1, false, BaseOffsets::Tiff},
        {FabricantKyocera, QByteArray("KYOCERA"), true, 22, 1, false, BaseOffsets::Suite},
        {FabricantPanasonic, QByteArray("PANASONIC\0\0\0", 12), true, 12, 1, false, BaseOffsets::Tiff},
        {FabricantPanasonic, QByteArray("Lumix"), false, 0, 0, false, BaseOffsets::Tiff},
        {FabricantPentax, QByteArray("AOC\0MM", 6), true, 6, 2, false, BaseOffsets::Tiff},
        {FabricantPentax, QByteArray("\0\x1B", 2), true, 0, 1, false, BaseOffsets::Tiff},
        {FabricantRicoh, QByteArray("Ricoh\0\0\0", 8), true, 8, 1, true, BaseOffsets::Tiff},
        {FabricantRicoh, QByteArray("Rv0103;Rg1C"), false, 0, 0, false, BaseOffsets::Tiff},
        {FabricantAutre, QByteArray("Apple iOS\0", 10), false, 0, 0, false, BaseOffsets::Tiff},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.debut.toStdString());
        const DispositionNote d = dispositionNote(c.code, c.debut + QByteArray(32, '\0'), false);
        EXPECT_EQ(d.lisible, c.lisible);
        if (c.lisible) {
            EXPECT_EQ(d.position, c.position);
            EXPECT_EQ(d.typeNote, c.type);
            EXPECT_EQ(d.grosBoutiste, c.mm);
            EXPECT_EQ(d.base, c.base);
        }
    }
}

// A Canon-like note (directory at 0): one out-of-line ASCII entry and courts - 1 SHORT entries in their
// value fields, offsets from the TIFF header, ending with the footer that repeats the note's position.
// annonce is the entry count written (courts when 0).
QByteArray noteCanon(bool mm, quint32 position, quint16 courts = 1, quint16 annonce = 0) {
    const Octets o{mm};
    const QByteArray texte("Appareil d'essai\0", 17);
    const quint32 donnees = 2 + 12 * courts + 4;
    QByteArray note = o.n16(annonce != 0 ? annonce : courts) +
                      o.entree(6, ExifAscii, quint32(texte.size()), o.n32(position + donnees));
    for (quint16 i = 1; i < courts; ++i) {
        note += o.entree(100 + i, ExifShort, 1, o.n16(i));
    }
    note += o.n32(0) + pair(texte);
    note += (mm ? QByteArray("MM\0*", 4) : QByteArray("II*\0", 4)) + o.n32(position);
    return note;
}

TEST(MakernoteRead, CountsAboveAThousandInBothOrdersAreNotRead) {
    // 3000 is 0x0BB8: read the other way it is 0xB80B, above a thousand too.
    const BlocExif refuse =
        lire(segmentAvecNote(false, "Canon", [](quint32 p) { return noteCanon(false, p, 1, 3000); }));
    EXPECT_EQ(refuse.fabricant, FabricantCanon);
    EXPECT_TRUE(refuse.noteFabricant.vide());
    EXPECT_EQ(refuse.exif.trouver(TagMakerNote)->donnees, noteCanon(false, refuse.positionNoteLue, 1, 3000));

    // A little-endian note in a big-endian file: 4 entries read as big-endian are 1024, so the other
    // order is tried.
    const BlocExif retourne =
        lire(segmentAvecNote(true, "Canon", [](quint32 p) { return noteCanon(false, p, 4); }));
    ASSERT_EQ(retourne.noteFabricant.entrees.size(), 4);
    EXPECT_EQ(texteEntree(retourne, 6), QStringLiteral("Appareil d'essai").append(QChar(0)));
    EXPECT_EQ(retourne.noteFabricant.entrees[3].donnees, QByteArray("\3\0", 2));
}

TEST(MakernoteRead, WithoutMakeTheNoteIsKeptAsBytes) {
    const auto fabriquer = [](quint32 p) {
        const Octets o{false};
        return QByteArray("OLYMP\0\1\0", 8) + o.n16(1) + o.entree(513, ExifShort, 1, o.n16(3)) + o.n32(0) +
               QByteArray(6, char(p & 0));
    };
    const BlocExif sansMarque = lire(segmentAvecNote(false, "", fabriquer));
    EXPECT_EQ(sansMarque.fabricant, 0);
    EXPECT_EQ(sansMarque.typeNote, 0);
    EXPECT_TRUE(sansMarque.noteFabricant.vide());

    const BlocExif olympus = lire(segmentAvecNote(false, "OLYMPUS OPTICAL CO.,LTD", fabriquer));
    EXPECT_EQ(olympus.fabricant, FabricantOlympus);
    EXPECT_EQ(olympus.typeNote, 1);
    ASSERT_EQ(olympus.noteFabricant.entrees.size(), 1);
    EXPECT_EQ(
        etiquetteEtTexteNote(olympus.fabricant, olympus.typeNote, olympus.noteFabricant.entrees[0]).texte,
        QStringLiteral("SHQ"));
}

// A note copied elsewhere by another program without its offsets being rewritten: they all point a
// few bytes before the data, which follow the directory. The reader finds the data again.
TEST(MakernoteRead, ShiftedOffsetsAreFoundAgain) {
    for (qint32 ecart : {-2, 6}) {
        SCOPED_TRACE(ecart);
        const auto fabriquer = [ecart](quint32 p) {
            const Octets o{false};
            const quint32 donnees = 12 + 2 + 2 * 12; // no next-directory offset in Panasonic notes
            return QByteArray("Panasonic\0\0\0", 12) + o.n16(2) +
                   o.entree(37, ExifAscii, 6, o.n32(p + donnees - ecart)) +
                   o.entree(38, ExifUndefined, 8, o.n32(p + donnees + 6 - ecart)) + QByteArray("S0106\0", 6) +
                   QByteArray("ABCDEFGH");
        };
        const BlocExif bloc = lire(segmentAvecNote(false, "Panasonic", fabriquer));
        EXPECT_EQ(texteEntree(bloc, 37), QString::fromLatin1("S0106\0", 6));
        EXPECT_EQ(texteEntree(bloc, 38), QStringLiteral("ABCDEFGH"));
    }
}

// When no single distance explains the offsets, data whose offset points past the note are taken
// from the next free place after the directory and the data already found.
TEST(MakernoteRead, OffsetPastTheNoteTakesTheNextFreePlace) {
    const auto fabriquer = [](quint32 p) {
        const Octets o{false};
        const quint32 donnees = 12 + 2 + 2 * 12;
        return QByteArray("Panasonic\0\0\0", 12) + o.n16(2) + o.entree(37, ExifAscii, 6, o.n32(p + donnees)) +
               o.entree(38, ExifUndefined, 8, o.n32(p + 5000)) + QByteArray("S0106\0", 6) +
               QByteArray("ABCDEFGH");
    };
    const BlocExif bloc = lire(segmentAvecNote(false, "Panasonic", fabriquer));
    EXPECT_EQ(texteEntree(bloc, 37), QString::fromLatin1("S0106\0", 6));
    EXPECT_EQ(texteEntree(bloc, 38), QStringLiteral("ABCDEFGH"));
}

// Grows IFD0 so that the note must move, writes the segment, and reads it again.
BlocExif deplacerEtRelire(const QByteArray& segment, quint32* ancienne, quint32* nouvelle) {
    BlocExif bloc = lire(segment);
    *ancienne = bloc.positionNoteLue;
    definirTexteExif(bloc, SelecteurIfd0, 270, QString(200, QLatin1Char('d')));
    PlacementNoteFabricant deplacer = placementNoteFabricant();
    deplacer.garderPosition = false;
    const QByteArray ecrit = construireApp1(bloc, deplacer);
    EXPECT_FALSE(ecrit.isEmpty());
    BlocExif relu = lire(ecrit);
    *nouvelle = relu.positionNoteLue;
    EXPECT_NE(*nouvelle, *ancienne);
    return relu;
}

TEST(MakernoteRebuild, TiffOffsetsFollowTheNoteAndTheCanonFooterToo) {
    for (bool mm : {false, true}) {
        SCOPED_TRACE(mm ? "MM" : "II");
        quint32 ancienne = 0;
        quint32 nouvelle = 0;
        const BlocExif relu = deplacerEtRelire(
            segmentAvecNote(mm, "Canon", [mm](quint32 p) { return noteCanon(mm, p); }), &ancienne, &nouvelle);
        EXPECT_EQ(texteEntree(relu, 6), QStringLiteral("Appareil d'essai").append(QChar(0)));
        EXPECT_EQ(relu.exif.trouver(TagMakerNote)->donnees, noteCanon(mm, nouvelle));
    }
}

TEST(MakernoteRebuild, NotesWithTheirOwnBaseOrUnreadStayByteForByte) {
    const struct {
        const char* marque;
        std::function<QByteArray(quint32)> fabriquer;
    } cas[] = {
        // Fuji: offsets from the first byte of the note.
        {"FUJIFILM",
         [](quint32) {
             const Octets o{false};
             return QByteArray("FUJIFILM\x0C\0\0\0", 12) + o.n16(1) +
                    o.entree(4096, ExifAscii, 8, o.n32(12 + 2 + 12 + 4)) + o.n32(0) +
                    QByteArray("NORMAL \0", 8);
         }},
        // Nikon with its own TIFF header: offsets from byte 10 of the note.
        {"NIKON CORPORATION",
         [](quint32) {
             const Octets o{false};
             return QByteArray("Nikon\0\2\0\0\0II*\0\x08\0\0\0", 18) + o.n16(1) +
                    o.entree(4, ExifAscii, 8, o.n32(8 + 2 + 12 + 4)) + o.n32(0) + QByteArray("FINE   \0", 8);
         }},
        // No layout known for this maker.
        {"Apple", [](quint32 p) { return QByteArray("Apple iOS\0\0\1MM", 14) + Octets{true}.n32(p + 40); }},
        // No Make at all: the bytes look like a Canon note pointing at the TIFF header.
        {"", [](quint32 p) { return noteCanon(false, p); }},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.marque);
        const QByteArray segment = segmentAvecNote(false, c.marque, c.fabriquer);
        const QByteArray avant = lireExif(segment).exif.trouver(TagMakerNote)->donnees;
        quint32 ancienne = 0;
        quint32 nouvelle = 0;
        const BlocExif relu = deplacerEtRelire(segment, &ancienne, &nouvelle);
        EXPECT_EQ(relu.exif.trouver(TagMakerNote)->donnees, avant);
    }
}

TEST(MakernoteRebuild, KeptInPlaceWhenTheSegmentAllowsIt) {
    BlocExif bloc = lire(segmentAvecNote(false, "Canon", [](quint32 p) { return noteCanon(false, p); }));
    const quint32 avant = bloc.positionNoteLue;
    const QByteArray note = bloc.exif.trouver(TagMakerNote)->donnees;
    definirTexteExif(bloc, SelecteurIfd0, 270, QString(200, QLatin1Char('d')));
    const BlocExif relu = lire(construireApp1(bloc, placementNoteFabricant()));
    EXPECT_EQ(relu.positionNoteLue, avant);
    EXPECT_EQ(relu.exif.trouver(TagMakerNote)->donnees, note);
    EXPECT_EQ(relu.ifd0.trouver(270)->donnees.size(), 201);
}

EntreeIfd entree(quint32 tag, quint16 type, const QByteArray& donnees) {
    return EntreeIfd{tag, type, quint32(donnees.size() / tailleComposant(type)), 0, donnees};
}

TEST(MakernoteLabels, LabelsAndValueTextsOfTheTables) {
    const Octets le{false};
    const struct {
        qint32 code;
        qint32 type;
        EntreeIfd entree;
        const char* etiquette;
        QByteArray texte;
    } cas[] = {
        {FabricantOlympus, 1, entree(0, ExifUndefined, "0100"), "Makernote Version", "0x30313030"},
        {FabricantMinolta, 1, entree(257, ExifLong, le.n32(1)), "Colour Mode", "Black & White"},
        {FabricantAgfa, 1, entree(258, ExifShort, le.n16(4)), "Image Quality", "Extra Fine"},
        {FabricantEpson, 1, entree(259, ExifShort, le.n16(9)), "Image Quality", "9"},
        {FabricantOlympus, 1, entree(512, ExifLong, le.n32(3) + le.n32(17) + le.n32(0)), "SpecialMode",
         "Panorama (Seq. Num. 17)"},
        {FabricantMinolta, 1, entree(137, ExifLong, le.n32(5120)), "Minolta Thumbnail Length", "5120o"},
        {FabricantNikon, 1, entree(3, ExifShort, le.n16(5)), "Quality", "SXGA Normal"},
        {FabricantCasio, 1, entree(1, ExifShort, le.n16(3)), "RecordingMode", "Night Scene"},
        {FabricantCanon, 1, entree(9, ExifAscii, QByteArray("Moi\0", 4)), "Owner name", "Moi"},
        {FabricantCanon, 1, entree(12, ExifLong, le.n32(5266)), "Camera serial number", "5266"},
        {FabricantCanon, 1, entree(15, ExifShort, le.n16(1)), "Custom Functions", "1"},
        {FabricantKyocera, 1, entree(1, ExifUndefined, "\xFF\xD8"), "Kyocera Proprietory Format Thumbnail",
         "0xFFD8"},
        {FabricantRicoh, 1, entree(8193, ExifUndefined, "ab"), "Ricoh Camera Info Makernote Sub-IFD",
         "0x6162"},
        {FabricantSony, 1, entree(3584, ExifUndefined, "P"), "Print Image Matching Info", "0x50"},
        {FabricantPanasonic, 1, entree(3584, ExifUndefined, "P"), "Print Image Matching Info", "0x50"},
        {FabricantPentax, 2, entree(12294, ExifAscii, QByteArray("Paris\0", 6)), "Hometown City", "Paris"},
        {FabricantCasio, 2, entree(12294, ExifAscii, QByteArray("Paris\0", 6)), "Unknown", "Paris"},
        {FabricantCanon, 1, entree(1, ExifShort, le.n16(7) + le.n16(8)), "Unknown", "7,8"},
        {FabricantSanyo, 1, entree(513, ExifShort, le.n16(3)), "Unknown", "3"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.etiquette);
        const NomEtTexte resultat = etiquetteEtTexteNote(c.code, c.type, c.entree);
        EXPECT_EQ(resultat.nom, QString::fromUtf8(c.etiquette));
        EXPECT_EQ(resultat.texte, QString::fromLatin1(c.texte));
    }
}

} // namespace
