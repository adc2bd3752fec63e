// Maker notes of real camera files against the independent reader exiftool: the entries we decode,
// and the notes of the files we write back, unchanged or with a grown EXIF segment.
#include "OutilsCorpus.h"

#include <CodeFabricant.h>
#include <LecteurNote.h>
#include <ReconstructionNote.h>

#include <FichierJpeg.h>
#include <ModificationExif.h>
#include <PhotoExif.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>

#include <cmath>
#include <gtest/gtest.h>
#include <optional>

namespace {

using namespace OutilsCorpus;

struct TagExifTool {
    quint32 tag;
    const char* nom; // exiftool's name in the maker's group
};

// Tags that exiftool shows as stored (no scaling even with -n), by maker and note type.
struct TableExifTool {
    qint32 code;
    qint32 typeNote; // 0: any
    const char* groupe;
    std::vector<TagExifTool> tags;
};

const std::vector<TableExifTool>& tables() {
    static const std::vector<TableExifTool> t = {
        {FabricantCanon,
         0,
         "Canon",
         {{6, "CanonImageType"},
          {7, "CanonFirmwareVersion"},
          {8, "FileNumber"},
          {9, "OwnerName"},
          {12, "SerialNumber"},
          {16, "CanonModelID"}}},
        {FabricantCasio,
         1,
         "Casio",
         {{1, "RecordingMode"},
          {2, "Quality"},
          {3, "FocusMode"},
          {4, "FlashMode"},
          {5, "FlashIntensity"},
          {7, "WhiteBalance"},
          {10, "DigitalZoom"},
          {11, "Sharpness"},
          {12, "Contrast"},
          {13, "Saturation"},
          {20, "ISO"}}},
        {FabricantCasio,
         2,
         "Casio",
         {{2, "PreviewImageSize"},
          {3, "PreviewImageLength"},

          {8209, "WhiteBalanceBias"},
          {8210, "WhiteBalance"},
          {8225, "AFPointPosition"},
          {8244, "FlashDistance"},
          {12288, "RecordMode"},
          {12289, "ReleaseMode"},
          {12290, "Quality"},
          {12291, "FocusMode"},
          {12294, "HometownCity"},
          {12295, "BestShotMode"},
          {12308, "ISO"},
          {12309, "ColorMode"}}},
        {FabricantFuji,
         0,
         "FujiFilm",
         {{0, "Version"},
          {4096, "Quality"},
          {4097, "Sharpness"},
          {4098, "WhiteBalance"},
          {4112, "FujiFlashMode"},
          {4113, "FlashExposureComp"},
          {4128, "Macro"},
          {4129, "FocusMode"},
          {4144, "SlowSync"},
          {4145, "PictureMode"},
          {4352, "AutoBracketing"},
          {4864, "BlurWarning"},
          {4865, "FocusWarning"},
          {4866, "ExposureWarning"}}},
        {FabricantNikon,
         1,
         "Nikon",
         {{3, "Quality"},
          {4, "ColorMode"},
          {5, "ImageAdjustment"},
          {6, "CCDSensitivity"},
          {7, "WhiteBalance"},
          {10, "DigitalZoom"},
          {11, "Converter"}}},
        {FabricantNikon,
         2,
         "Nikon",
         {{2, "ISO"},
          {3, "ColorMode"},
          {4, "Quality"},
          {5, "WhiteBalance"},
          {6, "Sharpness"},
          {7, "FocusMode"},
          {8, "FlashSetting"},
          {9, "FlashType"},
          {11, "WhiteBalanceFineTune"},
          {12, "WB_RBLevels"},
          {15, "ISOSelection"},
          {19, "ISOSetting"},
          {22, "ImageBoundary"},
          {29, "SerialNumber"},
          {129, "ToneComp"},
          {131, "LensType"},
          {132, "Lens"},
          {135, "FlashMode"},
          {137, "ShootingMode"},
          {141, "ColorHue"},
          {144, "LightSource"},
          {146, "HueAdjustment"},
          {149, "NoiseReduction"},
          {162, "ImageDataSize"},
          {165, "ImageCount"},
          {167, "ShutterCount"}}},
        {FabricantOlympus,
         0,
         "Olympus",
         {{512, "SpecialMode"},
          {513, "Quality"},
          {514, "Macro"},
          {515, "BWMode"},
          {516, "DigitalZoom"},
          {517, "FocalPlaneDiagonal"},
          {521, "CameraID"}}},
        {FabricantEpson,
         0,
         "Olympus",
         {{512, "SpecialMode"},
          {513, "Quality"},
          {514, "Macro"},
          {515, "BWMode"},
          {516, "DigitalZoom"},
          {521, "CameraID"},
          {523, "EpsonImageWidth"},
          {524, "EpsonImageHeight"},
          {525, "EpsonSoftware"},
          {768, "PreCaptureFrames"}}},
        {FabricantSanyo, 0, "Sanyo", {{512, "SpecialMode"}, {513, "SanyoQuality"}}},
        {FabricantSigma,
         0,
         "Sigma",
         {{2, "SerialNumber"},
          {3, "DriveMode"},
          {4, "ResolutionMode"},
          {5, "AFMode"},
          {6, "FocusSetting"},
          {7, "WhiteBalance"},
          {8, "ExposureMode"},
          {9, "MeteringMode"},
          {10, "LensFocalRange"},
          {11, "ColorSpace"},

          {23, "Firmware"},
          {24, "Software"}}},
        {FabricantMinolta,
         0,
         "Minolta",
         {{0, "MakerNoteVersion"},
          {64, "CompressedImageSize"},

          {137, "PreviewImageLength"}}},
        {FabricantPanasonic,
         0,
         "Panasonic",
         {{1, "ImageQuality"},
          {2, "FirmwareVersion"},
          {3, "WhiteBalance"},
          {7, "FocusMode"},
          {15, "AFAreaMode"},
          {26, "ImageStabilization"},
          {28, "MacroMode"},
          {31, "ShootingMode"},
          {32, "Audio"},
          {35, "WhiteBalanceBias"},
          {36, "FlashBias"},
          {37, "InternalSerialNumber"},
          {38, "PanasonicExifVersion"},
          {40, "ColorEffect"},
          {42, "BurstMode"},
          {43, "SequenceNumber"},
          {44, "ContrastMode"},
          {45, "NoiseReduction"},
          {46, "SelfTimer"}}},
        {FabricantPentax,
         1,
         "Pentax",
         {{1, "RecordingMode"},
          {2, "Quality"},
          {3, "FocusMode"},
          {4, "FlashMode"},
          {7, "WhiteBalance"},
          {10, "DigitalZoom"},
          {11, "Sharpness"},
          {12, "Contrast"},
          {13, "Saturation"},
          {23, "ColorFilter"},
          {4096, "HometownCityCode"},
          {4097, "DestinationCityCode"}}},
        {FabricantPentax,
         2,
         "Pentax",
         {
             {1, "PentaxModelType"},
             {2, "PreviewImageSize"},
             {3, "PreviewImageLength"},

             {5, "PentaxModelID"},
             {8, "Quality"},
             {12, "FlashMode"},
             {13, "FocusMode"},
             {14, "AFPointSelected"},
             {23, "MeteringMode"},
             {25, "WhiteBalance"},
             {31, "Saturation"},
             {32, "Contrast"},
             {33, "Sharpness"},
             {35, "HometownCity"},
             {36, "DestinationCity"},
             {65, "ImageEditCount"},
         }},
        {FabricantRicoh, 0, "Ricoh", {{1, "MakerNoteType"}, {2, "FirmwareVersion"}, {4099, "Sharpness"}}},
    };
    return t;
}

const TableExifTool* tablePour(qint32 code, qint32 typeNote) {
    for (const TableExifTool& t : tables()) {
        if (t.code == code && (t.typeNote == 0 || t.typeNote == typeNote)) {
            return &t;
        }
    }
    return nullptr;
}

BlocExif lirePhoto(const QString& chemin, FichierJpeg* photo = nullptr) {
    FichierJpeg local;
    FichierJpeg& p = photo != nullptr ? *photo : local;
    p.lire(chemin);
    BlocExif bloc = lireExif(p);
    lireNoteFabricant(bloc, p.segmentExif());
    return bloc;
}

// The components of an entry as numbers, signed types as signed.
QList<double> nombres(const EntreeIfd& e) {
    QList<double> liste;
    const auto* p = reinterpret_cast<const uchar*>(e.donnees.constData());
    const int taille = tailleComposant(e.type);
    for (qsizetype i = 0; taille > 0 && (i + 1) * taille <= e.donnees.size(); ++i) {
        const uchar* c = p + i * taille;
        switch (e.type) {
        case ExifByte:
        case ExifUndefined:
            liste << c[0];
            break;
        case ExifSByte:
            liste << qint8(c[0]);
            break;
        case ExifShort:
            liste << qFromLittleEndian<quint16>(c);
            break;
        case ExifSShort:
            liste << qFromLittleEndian<qint16>(c);
            break;
        case ExifLong:
            liste << qFromLittleEndian<quint32>(c);
            break;
        case ExifSLong:
            liste << qFromLittleEndian<qint32>(c);
            break;
        case ExifRational:
            liste << double(qFromLittleEndian<quint32>(c)) / qFromLittleEndian<quint32>(c + 4);
            break;
        case ExifSRational:
            liste << double(qFromLittleEndian<qint32>(c)) / qFromLittleEndian<qint32>(c + 4);
            break;
        default:
            return {};
        }
    }
    return liste;
}

std::optional<QList<double>> nombresExifTool(const QJsonValue& valeur) {
    if (valeur.isDouble()) {
        return QList<double>{valeur.toDouble()};
    }
    QList<double> liste;
    static const QRegularExpression espaces(QStringLiteral(" +"));
    for (const QString& partie : valeur.toString().split(espaces, Qt::SkipEmptyParts)) {
        bool ok = false;
        liste << partie.toDouble(&ok);
        if (!ok) {
            return std::nullopt;
        }
    }
    return liste.isEmpty() ? std::nullopt : std::optional(liste);
}

bool proches(const QList<double>& a, const QList<double>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (std::abs(a[i] - b[i]) > 1e-6 * qMax(1.0, std::abs(a[i]))) {
            return false;
        }
    }
    return true;
}

QString texteJusquAuZero(const QByteArray& octets) {
    const qsizetype zero = octets.indexOf('\0');
    return QString::fromLatin1(zero < 0 ? octets : octets.left(zero));
}

QString texteJson(const QJsonValue& v) {
    return v.isDouble() ? QString::number(v.toDouble(), 'g', 15) : v.toString();
}

// Our entry against exiftool's value: texts as text, numbers as numbers; an UNDEFINED value may be
// shown either way.
bool memeValeur(const EntreeIfd& e, const QJsonValue& v) {
    if (e.type == ExifAscii || e.type == ExifUndefined) {
        const QString texte = texteJusquAuZero(e.donnees);
        if (texte == texteJson(v) || (v.isDouble() && texte.trimmed().toDouble() == v.toDouble())) {
            return true;
        }
        if (e.type == ExifAscii) {
            return false;
        }
    }
    const auto attendu = nombresExifTool(v);
    return attendu && proches(nombres(e), *attendu);
}

// Files whose note we read, with the maker code and note type we expect.
struct NoteAttendue {
    const char* fichier;
    qint32 code;
    qint32 typeNote;
};
constexpr NoteAttendue notesLues[] = {
    {"canon-eos1d-mm-iptc.jpg", FabricantCanon, 1},
    {"canon-eos1dmk3-ii-gps.jpg", FabricantCanon, 1},
    {"canon-powershot-s330-mm.jpg", FabricantCanon, 1},
    {"casio-exz3-qvc-mm.jpg", FabricantCasio, 2},
    {"casio-qv3000ex-type1-mm.jpg", FabricantCasio, 1},
    {"damaged-panasonic-fz30-gimp-mn-offsets-ii.jpg", FabricantPanasonic, 1},
    {"epson-photopc3000z-ii.jpg", FabricantEpson, 1},
    {"fuji-finepix40i-mm.jpg", FabricantFuji, 1},
    {"kyocera-fcs3-ii.jpg", FabricantKyocera, 1},
    {"minolta-dimage7i-mm.jpg", FabricantMinolta, 1},
    {"nikon-d1x-type2hdr-ii-gps-iptc.jpg", FabricantNikon, 2},
    {"nikon-d2hs-type2hdr-mm-gps.jpg", FabricantNikon, 2},
    {"nikon-e5000-type2-nohdr-ii-noeoi.jpg", FabricantNikon, 2},
    {"nikon-e950-type1-ii.jpg", FabricantNikon, 1},
    {"olympus-c2040z-ii-noeoi.jpg", FabricantOlympus, 1},
    {"panasonic-dmc-fz3-ii.jpg", FabricantPanasonic, 1},
    {"panasonic-dmc-lc40-mm.jpg", FabricantPanasonic, 1},
    {"pentax-k10d-aoc-mm.jpg", FabricantPentax, 2},
    {"pentax-optio330-asahi-type1-mm.jpg", FabricantPentax, 1},
    {"pentax-optio750z-aoc-ii-nosos.jpg", FabricantPentax, 2},
    {"ricoh-caplio-g3-mixedcase-mm-gps.jpg", FabricantRicoh, 1},
    {"ricoh-caplio-rr1-mm.jpg", FabricantRicoh, 1},
    {"sanyo-sr662-ii.jpg", FabricantSanyo, 1},
    {"sigma-sd10-ii.jpg", FabricantSigma, 1},
    {"sony-dsc-f828-ii.jpg", FabricantSony, 1},
    {"sony-dsc-p12-progressive-ii.jpg", FabricantSony, 1},
};

// The Canon note of this file has offsets that point past its end; exiftool says so and reads the
// bytes found there (outside the note), so its values depend on what surrounds the note.
bool exifToolLitHorsNote(const QString& nom) {
    return nom == QLatin1String("canon-powershot-s330-mm.jpg");
}

// The last value of this Nikon note reaches past the note's declared length: exiftool reads the
// bytes that follow the note, which belong to the rest of the segment.
bool valeurApresNote(const QString& nom, const QString& cle) {
    return nom == QLatin1String("nikon-d1x-type2hdr-ii-gps-iptc.jpg") &&
           cle == QLatin1String("Nikon:SensorPixelSize");
}

TEST(MakernoteCorpus, DecodedEntriesMatchExifTool) {
    for (const NoteAttendue& attendue : notesLues) {
        const QString nom = QString::fromLatin1(attendue.fichier);
        SCOPED_TRACE(attendue.fichier);
        const BlocExif bloc = lirePhoto(chemin(nom));
        EXPECT_EQ(bloc.fabricant, attendue.code);
        EXPECT_EQ(bloc.typeNote, attendue.typeNote);
        ASSERT_FALSE(bloc.noteFabricant.vide());

        const QJsonObject dump = oracle(nom);
        int compares = 0;
        const TableExifTool* table = tablePour(bloc.fabricant, bloc.typeNote);
        if (table != nullptr && !exifToolLitHorsNote(nom)) {
            for (const TagExifTool& t : table->tags) {
                const QString cle =
                    QString::fromLatin1(table->groupe) + QLatin1Char(':') + QLatin1String(t.nom);
                const EntreeIfd* entree = bloc.noteFabricant.trouver(t.tag);
                if (entree == nullptr || !dump.contains(cle)) {
                    continue;
                }
                ++compares;
                EXPECT_TRUE(memeValeur(*entree, dump.value(cle)))
                    << cle.toStdString() << ": exiftool " << texteJson(dump.value(cle)).toStdString();
            }
        }
        // The Print Image Matching block, which exiftool decodes on its own: its version stands at byte 8.
        if (const EntreeIfd* pim = bloc.noteFabricant.trouver(3584)) {
            ++compares;
            EXPECT_TRUE(pim->donnees.startsWith("PrintIM"));
        }
        // exiftool keeps one PrintIM version: the note's when IFD0 has no block of its own.
        if (const EntreeIfd* pim = bloc.noteFabricant.trouver(3584);
            pim != nullptr && bloc.ifd0.trouver(50341) == nullptr) {
            EXPECT_EQ(QString::fromLatin1(pim->donnees.mid(8, 4)),
                      texteJson(dump.value(QStringLiteral("PrintIM:PrintIMVersion"))));
        }
        EXPECT_TRUE(compares >= 1 || table == nullptr || exifToolLitHorsNote(nom));
    }
}

// Files whose note is kept as bytes: no known layout, or no Make tag.
TEST(MakernoteCorpus, NotesWithoutKnownLayoutAreNotRead) {
    const struct {
        const char* fichier;
        qint32 code;
    } cas[] = {
        {"apple-iphone7-other-mm-gps.jpg", FabricantAutre},
        {"konica-qm100-kc-notread-ii.jpg", FabricantMinolta},
        {"ricoh-dc3z-rv-notread-mm-noeoi.jpg", FabricantRicoh},
        {"nomake-painttool-garbage-makernote-ii.jpg", 0},
        {"olympus-e420-newhdr-mm-xp.jpg", FabricantOlympus},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.fichier);
        const BlocExif bloc = lirePhoto(chemin(QString::fromLatin1(c.fichier)));
        EXPECT_EQ(bloc.fabricant, c.code);
        EXPECT_TRUE(bloc.noteFabricant.vide());
        EXPECT_EQ(bloc.typeNote, 0);
        EXPECT_NE(bloc.exif.trouver(TagMakerNote), nullptr);
    }
}

// The maker groups and the warnings of an exiftool dump.
bool cleDeNote(const QString& cle) {
    static const QStringList groupes{"Canon",   "Casio",   "FujiFilm",   "Nikon",       "Olympus", "Minolta",
                                     "Sanyo",   "Sigma",   "Sony",       "Panasonic",   "Pentax",  "Ricoh",
                                     "Kyocera", "PrintIM", "PreviewIFD", "CanonCustom", "Apple"};
    const QString groupe = cle.section(QLatin1Char(':'), 0, 0);
    // Positions in the file move with the segments.
    return groupes.contains(groupe) && !cle.endsWith(QLatin1String("Start")) &&
           !cle.endsWith(QLatin1String("Offset"));
}

QString avertissement(const QJsonObject& dump) {
    return texteJson(dump.value(QStringLiteral("ExifTool:Warning")));
}

QByteArray contenuFichier(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

enum class Changement { Aucun, TexteAllonge };

// One way of writing the corpus back.
struct Scenario {
    const char* dossier;
    Changement changement;
    bool deplacerNote; // the writer may not keep the note at its place
    bool seulementNotesLues;
};
constexpr Scenario scenarios[] = {
    {"inchange", Changement::Aucun, false, false},
    {"allonge", Changement::TexteAllonge, false, false},
    {"deplace", Changement::TexteAllonge, true, true},
};

struct Ecrits {
    QStringList erreurs;
    QMap<QString, QString> sources; // written file -> its source
};

// Every scenario written once, and exiftool run once over the sources and all written files: exiftool
// takes a second to start.
struct Reecritures {
    QTemporaryDir dossier;
    Ecrits ecrits[std::size(scenarios)];
    QMap<QString, QJsonObject> dumps; // by file name for the sources, by "folder/name" for the rest
};

void ecrireScenario(const Scenario& scenario, const QString& dossier, Ecrits& ecrits) {
    QStringList fichiers;
    if (scenario.seulementNotesLues) {
        for (const NoteAttendue& n : notesLues) {
            fichiers << QString::fromLatin1(n.fichier);
        }
    } else {
        fichiers = noms();
    }
    PlacementNoteFabricant placement = placementNoteFabricant();
    placement.garderPosition = !scenario.deplacerNote;
    QDir().mkpath(dossier);
    for (const QString& nom : fichiers) {
        FichierJpeg photo;
        BlocExif bloc = lirePhoto(chemin(nom), &photo);
        if (!photo.aDesDonneesImage() || bloc.exif.trouver(TagMakerNote) == nullptr) {
            continue;
        }
        const quint32 avant = bloc.positionNoteLue;
        if (scenario.changement == Changement::TexteAllonge) {
            definirTexteExif(bloc, SelecteurIfd0, 270, QString(300, QLatin1Char('x')));
        }
        QString erreur;
        const QString cible = dossier + QLatin1Char('/') + nom;
        if (!placerExif(photo, bloc, placement, &erreur) || !photo.ecrire(cible, &erreur)) {
            ecrits.erreurs << nom + QStringLiteral(": ") + erreur;
            continue;
        }
        if ((bloc.positionNoteLue != avant) != scenario.deplacerNote) {
            ecrits.erreurs << nom + QStringLiteral(": the note did not stay where expected");
        }
        ecrits.sources.insert(cible, nom);
    }
}

const Reecritures& reecritures() {
    static Reecritures* r = [] {
        auto* resultat = new Reecritures;
        resultat->dossier.setAutoRemove(qEnvironmentVariableIsEmpty("MAKERNOTE_GARDER"));
        QStringList tous;
        for (const QString& nom : noms()) {
            tous << chemin(nom);
        }
        for (size_t i = 0; i < std::size(scenarios); ++i) {
            ecrireScenario(scenarios[i], resultat->dossier.filePath(QLatin1String(scenarios[i].dossier)),
                           resultat->ecrits[i]);
            tous += resultat->ecrits[i].sources.keys();
        }
        resultat->dumps = exifToolParChemin(tous);
        return resultat;
    }();
    return *r;
}

// Compares exiftool's maker-note values and warnings of the files written by a scenario with those of
// their sources.
void verifierScenario(size_t index) {
    if (!exifToolPresent()) {
        GTEST_SKIP() << "exiftool is not installed";
    }
    const Reecritures& r = reecritures();
    const Ecrits& ecrits = r.ecrits[index];
    EXPECT_TRUE(ecrits.erreurs.isEmpty()) << ecrits.erreurs.join(QLatin1Char('\n')).toStdString();
    ASSERT_FALSE(ecrits.sources.isEmpty());
    for (auto it = ecrits.sources.begin(); it != ecrits.sources.end(); ++it) {
        const QJsonObject avant = r.dumps.value(chemin(it.value()));
        const QJsonObject apres = r.dumps.value(it.key());
        const QString& nom = it.value();
        SCOPED_TRACE(nom.toStdString());
        ASSERT_FALSE(avant.isEmpty() || apres.isEmpty());
        // A file read without warning is written without one.
        if (avertissement(avant).isEmpty()) {
            EXPECT_EQ(avertissement(apres).toStdString(), "");
        }
        for (auto v = avant.begin(); v != avant.end(); ++v) {
            if (cleDeNote(v.key()) && !exifToolLitHorsNote(nom) && !valeurApresNote(nom, v.key())) {
                EXPECT_EQ(apres.value(v.key()), v.value())
                    << v.key().toStdString() << ": " << texteJson(apres.value(v.key())).toStdString()
                    << " instead of " << texteJson(v.value()).toStdString();
            }
        }
        for (auto v = apres.begin(); v != apres.end(); ++v) {
            EXPECT_TRUE(!cleDeNote(v.key()) || avant.contains(v.key()) || exifToolLitHorsNote(nom))
                << "new " << v.key().toStdString();
        }
        // The preview images the notes point to hold the same bytes (exiftool gives file offsets).
        for (auto v = avant.begin(); v != avant.end(); ++v) {
            if (!v.key().endsWith(QLatin1String(":PreviewImageStart")) || exifToolLitHorsNote(nom)) {
                continue;
            }
            const QString cleLongueur =
                v.key().section(QLatin1Char(':'), 0, 0) + QStringLiteral(":PreviewImageLength");
            const qint64 longueur = qint64(avant.value(cleLongueur).toDouble());
            const QByteArray source = contenuFichier(chemin(nom)).mid(qint64(v.value().toDouble()), longueur);
            const QByteArray ecrit = contenuFichier(it.key()).mid(
                qint64(apres.value(v.key()).toDouble()), qint64(apres.value(cleLongueur).toDouble()));
            EXPECT_EQ(ecrit.size(), longueur) << v.key().toStdString();
            EXPECT_TRUE(ecrit == source) << v.key().toStdString() << ": other bytes than the source's";
        }
    }
}

TEST(MakernoteCorpus, SavingUnchangedKeepsEveryNoteValue) {
    verifierScenario(0);
}

// The segment grows in front of the note, which stays where it was: every note, understood or not,
// keeps its offsets.
TEST(MakernoteCorpus, GrowingSegmentKeepsNotesInPlace) {
    verifierScenario(1);
}

// The note is made to move: the notes whose offsets count from the TIFF header are re-pointed, the
// others stay as they are and remain valid.
TEST(MakernoteCorpus, MovedNotesAreRepointed) {
    verifierScenario(2);
}

} // namespace
