#include <DictionnaireExif.h>
#include <TexteExif.h>

#include <QLocale>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray le16(std::initializer_list<quint16> valeurs) {
    QByteArray r;
    for (quint16 v : valeurs) {
        r.append(char(v & 0xFF)).append(char(v >> 8));
    }
    return r;
}

QByteArray le32(std::initializer_list<quint32> valeurs) {
    QByteArray r;
    for (quint32 v : valeurs) {
        char b[4];
        qToLittleEndian<quint32>(v, b);
        r.append(b, 4);
    }
    return r;
}

EntreeIfd entree(quint32 tag, quint16 type, const QByteArray& donnees) {
    const int taille = tailleComposant(type);
    return EntreeIfd{tag, type, quint32(taille ? donnees.size() / taille : 0), 0, donnees};
}

TEST(MetadataExifDictionnaire, NamesAndValueTexts) {
    struct Cas {
        EntreeIfd entree;
        const char* nom;
        QString texte;
    };
    const QList<Cas> cas{
        {entree(274, 3, le16({1})), "Orientation", QStringLiteral("0th row : top  ;0th Column : left side")},
        {entree(274, 3, le16({8})), "Orientation",
         QStringLiteral("0th row : left side ;0th Column : bottom")},
        {entree(274, 3, le16({9})), "Orientation", QString()},
        {entree(34850, 3, le16({3})), "ExposureProgram", QStringLiteral("Aperture priority")},
        {entree(34850, 3, le16({9})), "ExposureProgram", QStringLiteral("9")},
        {entree(34855, 3, le16({100, 200})), "ISOSpeedRatings", QStringLiteral("ISO100,200")},
        {entree(33437, 5, le32({28, 10})), "FNumber", QStringLiteral("2.8")},
        {entree(33437, 5, le32({28, 0})), "FNumber", QString()},
        {entree(37377, 10, le32({quint32(-3), 2})), "ShutterSpeedValue", QStringLiteral("-1.5")},
        {entree(37382, 5, le32({5, 2})), "SubjectDistance", QStringLiteral("2.5m")},
        {entree(37386, 5, le32({50, 1})), "FocalLength", QStringLiteral("50mm")},
        {entree(37387, 5, le32({7, 1})), "FlashEnergy", QStringLiteral("7 BCPS")},
        {entree(41493, 3, le16({400})), "ExposureIndex", QStringLiteral("ISO400")},
        {entree(37383, 3, le16({5})), "MeteringMode", QStringLiteral("Pattern")},
        // The value tables go by the whole first value: 255 is "other", and 257 is not 1.
        {entree(37383, 3, le16({255})), "MeteringMode", QStringLiteral("other")},
        {entree(37384, 3, le16({257})), "LightSource", QStringLiteral("257")},
        {entree(37384, 3, le16({12})), "LightSource",
         QStringLiteral("Daylight fluorescent (D 5700 – 7100K)")},
        {entree(37385, 3, le16({16})), "Flash", QStringLiteral("Flash did not fire, compulsory flash mode")},
        {entree(37385, 3, le16({95})), "Flash",
         QStringLiteral("Flash fired, auto mode, return light detected, red-eye reduction mode")},
        {entree(256, 4, le32({3000000000u})), "ImageWidth", QStringLiteral("3000000000 pixels per row")},
        {entree(257, 3, le16({480})), "ImageLength", QStringLiteral("480 rows")},
        {entree(258, 3, le16({8, 8, 8})), "BitsPerSample", QStringLiteral("8,8,8 bits")},
        {entree(277, 3, le16({3})), "SamplesPerPixel", QStringLiteral("3 composant par pixels")},
        {entree(259, 3, le16({6})), "Compression", QStringLiteral("Compressé JPEG")},
        {entree(262, 3, le16({2})), "PhotometricInterpretation", QStringLiteral("RGB")},
        {entree(284, 3, le16({1})), "PlanarConfiguration", QStringLiteral("Format \"Chunky\"")},
        {entree(284, 3, le16({2})), "PlanarConfiguration", QStringLiteral("Format plan")},
        {entree(284, 3, le16({3})), "PlanarConfiguration", QStringLiteral("3 pixels")},
        {entree(36864, 7, QByteArray("0220")), "ExifVersion", QStringLiteral("0x30323230")},
        {entree(271, 2, QByteArray("Canon\0", 6)), "Make", QStringLiteral("Canon")},
        {entree(270, 2, QByteArray("No\xC3\xABl\0", 6)), "ImageDescription", QStringLiteral("Noël")},
        {entree(270, 2, QByteArray("No\xEBl \x80\0", 7)), "ImageDescription", QStringLiteral("Noël €")},
        {entree(282, 5, le32({72, 1, 3, 4})), "XResolution", QStringLiteral("72/1,3/4")},
        {entree(37380, 10, le32({quint32(-1), 3})), "ExposureBiasValue", QStringLiteral("-1/3")},
        {entree(41728, 7, QByteArray("\x03", 1)), "FileSource", QStringLiteral("0x03")},
        {entree(1, 2, QByteArray("R98\0", 4)), "InteroperabilityIndex", QStringLiteral("R98")},
        {entree(0x9C40, 8, le16({quint16(-2)})), "Unknown (9C40)", QStringLiteral("-2")},
        {entree(41483, 6, QByteArray("\xFF", 1)), "FlashEnergy", QStringLiteral("255")},
    };
    for (const Cas& c : cas) {
        const NomEtTexte resultat = nomEtTexteExif(c.entree);
        EXPECT_EQ(resultat.nom, QString::fromLatin1(c.nom)) << c.entree.tag;
        EXPECT_EQ(resultat.texte, c.texte) << c.nom;
    }
}

TEST(MetadataExifDictionnaire, NumbersFollowTheLocale) {
    const QLocale avant;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(nomEtTexteExif(entree(33437, 5, le32({28, 10}))).texte, QStringLiteral("2,8"));
    EXPECT_EQ(nomEtTexteExif(entree(37386, 5, le32({123456, 10}))).texte, QStringLiteral("12345,6mm"));
    QLocale::setDefault(avant);
}

TEST(MetadataExifDictionnaire, XpTextsAreUtf16LittleEndian) {
    EXPECT_EQ(texteXp(QByteArray("\x41\0\x42\0\0\0", 6)), QStringLiteral("AB"));
    const QString texte = QStringLiteral("Noël à Paris œ € ’ 日本");
    QByteArray octets;
    for (QChar c : texte) {
        octets.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    }
    EXPECT_EQ(texteXp(octets + QByteArray(2, '\0')), texte);
    EXPECT_EQ(texteXp(octets + QByteArray(1, 'x')), texte) << "an odd last byte is not a character";
}

} // namespace
