// The IPTC record against real photos and exiftool: what we read equals exiftool's dump, and what we
// write exiftool reads back.
#include "BlocIptc.h"
#include "DossierTest.h"
#include "OutilsJpegTest.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace OutilsJpegTest;

namespace {

const QString kDossierJpeg = QStringLiteral(LUMENO_TESTDATA_DIR "/jpeg");

// exiftool's names of the datasets met in the test photos: record * 1000 + dataset.
const QMap<QString, int> kNumeros = {
    {"CodedCharacterSet", 1090},
    {"ApplicationRecordVersion", 2000},
    {"ObjectName", 2005},
    {"EditStatus", 2007},
    {"Urgency", 2010},
    {"Category", 2015},
    {"SupplementalCategories", 2020},
    {"Keywords", 2025},
    {"SpecialInstructions", 2040},
    {"DateCreated", 2055},
    {"TimeCreated", 2060},
    {"OriginatingProgram", 2065},
    {"ProgramVersion", 2070},
    {"By-line", 2080},
    {"By-lineTitle", 2085},
    {"City", 2090},
    {"Sub-location", 2092},
    {"Province-State", 2095},
    {"Country-PrimaryLocationCode", 2100},
    {"Country-PrimaryLocationName", 2101},
    {"OriginalTransmissionReference", 2103},
    {"Headline", 2105},
    {"Credit", 2110},
    {"Source", 2115},
    {"CopyrightNotice", 2116},
    {"Contact", 2118},
    {"Caption-Abstract", 2120},
    {"Writer-Editor", 2122},
    {"ImageType", 2130},
    {"DocumentHistory", 2231},
};

// exiftool shows dates as AAAA:MM:JJ and times as HH:MM:SS±HH:MM even with -n.
QString commeExiftool(int numero, const QString& texte) {
    static const QRegularExpression date(QStringLiteral("^(\\d{4})(\\d\\d)(\\d\\d)$"));
    static const QRegularExpression heure(
        QStringLiteral("^(\\d\\d)(\\d\\d)(\\d\\d)(\\.\\d+)?([+-]\\d\\d)(\\d\\d)$"));
    QString t = texte;
    if (numero == 2055)
        t.replace(date, QStringLiteral("\\1:\\2:\\3"));
    if (numero == 2060)
        t.replace(heure, QStringLiteral("\\1:\\2:\\3\\4\\5:\\6"));
    return t;
}

QStringList valeursJson(const QJsonValue& v) {
    QStringList liste;
    const QJsonArray tableau = v.isArray() ? v.toArray() : QJsonArray{v};
    for (const QJsonValue& e : tableau)
        liste << e.toVariant().toString();
    return liste;
}

// Our values, keyed as exiftool's: one list per dataset.
QMap<int, QStringList> nosValeurs(const BlocIptc& bloc) {
    QMap<int, QStringList> valeurs;
    for (const DonneeIptc& d : bloc.donnees()) {
        const int cle = d.enregistrement * 1000 + d.numero;
        if (cle == 2000 && d.donnees.size() == 2)
            valeurs[cle] << QString::number((quint8(d.donnees[0]) << 8) | quint8(d.donnees[1]));
        else
            valeurs[cle] << commeExiftool(cle, bloc.texte(d));
    }
    return valeurs;
}

QMap<int, QStringList> valeursExiftool(const QJsonObject& objet, const QString& groupe) {
    QMap<int, QStringList> valeurs;
    for (auto it = objet.begin(); it != objet.end(); ++it) {
        if (!it.key().startsWith(groupe + ':'))
            continue;
        const QString nom = it.key().mid(groupe.size() + 1);
        EXPECT_TRUE(kNumeros.contains(nom)) << "nom exiftool inconnu du test : " << nom.toStdString();
        valeurs[kNumeros.value(nom)] = valeursJson(it.value());
    }
    return valeurs;
}

BlocIptc lirePhoto(const QString& chemin) {
    return BlocIptc::lireSegments(segmentsApp13(lireFichier(chemin)));
}

} // namespace

TEST(LumenomajIptcFichiers, OurValuesEqualTheOracleForEveryPhotoWithIptc) {
    const QStringList photos = QDir(kDossierJpeg).entryList({"*iptc*.jpg"}, QDir::Files);
    ASSERT_GE(photos.size(), 5);
    for (const QString& photo : photos) {
        SCOPED_TRACE(photo.toStdString());
        const BlocIptc bloc = lirePhoto(kDossierJpeg + '/' + photo);
        const QJsonArray oracle =
            QJsonDocument::fromJson(lireFichier(kDossierJpeg + "/oracle/" + photo + ".json")).array();
        ASSERT_EQ(oracle.size(), 1);
        // The APP13 datasets are exiftool's first IPTC group; a photo cut inside them has none there.
        const QMap<int, QStringList> attendu = valeursExiftool(oracle.first().toObject(), "IPTC");
        if (photo.startsWith("truncated")) {
            EXPECT_FALSE(bloc.defauts().isEmpty());
            continue;
        }
        EXPECT_FALSE(attendu.isEmpty());
        EXPECT_EQ(nosValeurs(bloc), attendu);
        EXPECT_TRUE(bloc.defauts().isEmpty()) << bloc.defauts().join(' ').toStdString();
    }
}

TEST(LumenomajIptcFichiers, UnchangedRecordsAreRebuiltByteForByte) {
    for (const QString photo : {"iptc-only-no-app1.jpg", "fuji-s1pro-nomn-gps-iptc-ii.jpg",
                                "xp-all5-xmp-then-exif-mm-iptc-not-first.jpg", "nikon-e950-type1-ii.jpg"}) {
        const QList<QByteArray> segments = segmentsApp13(lireFichier(kDossierJpeg + '/' + photo));
        ASSERT_FALSE(segments.isEmpty()) << photo.toStdString();
        EXPECT_EQ(BlocIptc::lireSegments(segments).construireSegments(), segments) << photo.toStdString();
    }
}

TEST(LumenomajIptcFichiers, ExiftoolReadsWhatWeWriteWithAccentsAndKeepsTheOtherResources) {
    DossierTest dossier;
    const QString source = kDossierJpeg + "/iptc-only-no-app1.jpg";
    const QJsonObject avant =
        QJsonDocument::fromJson(lireFichier(kDossierJpeg + "/oracle/iptc-only-no-app1.jpg.json"))
            .array()
            .first()
            .toObject();
    BlocIptc bloc = lirePhoto(source);
    bloc.definirTexte(0x1C, 2, 120, "Soirée d'été à Nice, œuvre n°2 — 5 €", 1, false);
    bloc.remplacerTextes(25, {"Plage", "Côte d'Azur", "Été"});
    bloc.remplacerTextes(80, {"Émile Zoé"});
    bloc.definirTexte(0x1C, 2, 90, "Besançon", 1, false);
    bloc.definirTexte(0x1C, 2, 55, "20040615", 1, false);
    const QString cible = dossier.chemin("photo.jpg");
    ASSERT_TRUE(ecrireFichier(cible, remplacerApp13(lireFichier(source), bloc.construireSegments())));

    const QJsonObject apres = exiftool(cible);
    EXPECT_EQ(apres["IPTC:Caption-Abstract"].toString(), "Soirée d'été à Nice, œuvre n°2 — 5 €");
    EXPECT_EQ(valeursJson(apres["IPTC:Keywords"]), QStringList({"Plage", "Côte d'Azur", "Été"}));
    EXPECT_EQ(apres["IPTC:By-line"].toString(), "Émile Zoé");
    EXPECT_EQ(apres["IPTC:City"].toString(), "Besançon");
    EXPECT_EQ(apres["IPTC:DateCreated"].toString(), "2004:06:15");
    EXPECT_FALSE(apres.contains("IPTC:CodedCharacterSet")); // all of it fits Windows-1252
    EXPECT_EQ(apres["IPTC:Headline"], avant["IPTC:Headline"]);
    // Every other Photoshop resource reads as before (the IPTC digest included, left as it was).
    int autres = 0;
    for (auto it = avant.begin(); it != avant.end(); ++it) {
        if (it.key().startsWith("Photoshop:")) {
            ++autres;
            EXPECT_EQ(apres[it.key()], it.value()) << it.key().toStdString();
        }
    }
    EXPECT_GE(autres, 10);
}

TEST(LumenomajIptcFichiers, ExiftoolReadsUtf8AndSplitSegments) {
    DossierTest dossier;
    const QString source = kDossierJpeg + "/no-app-segments.jpg";
    BlocIptc bloc;
    bloc.definirTexte(0x1C, 2, 120, "Légende d'été", 1, false);
    QStringList mots{"東京", "Kyōto"};
    for (int i = 0; i < 1700; ++i)
        mots << QStringLiteral("mot-clé numéro %1 avec du texte pour remplir").arg(i);
    bloc.remplacerTextes(25, mots);
    const QList<QByteArray> segments = bloc.construireSegments();
    ASSERT_GE(segments.size(), 2);
    const QString cible = dossier.chemin("grand.jpg");
    ASSERT_TRUE(ecrireFichier(cible, remplacerApp13(lireFichier(source), segments)));

    const QJsonObject lu = exiftool(cible);
    EXPECT_EQ(lu["IPTC:CodedCharacterSet"].toString(), "\x1B%G");
    EXPECT_EQ(lu["IPTC:Caption-Abstract"].toString(), "Légende d'été");
    EXPECT_EQ(valeursJson(lu["IPTC:Keywords"]), mots);
}
