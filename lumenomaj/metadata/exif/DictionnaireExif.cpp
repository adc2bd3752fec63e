#include "DictionnaireExif.h"

#include "TexteExif.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace {

const QHash<quint32, QString>& noms() {
    static const QHash<quint32, QString> t{
        {1, u"InteroperabilityIndex"_s},
        {2, u"InteroperabilityVersion"_s},
        {254, u"NewSubfileType"_s},
        {255, u"SubfileType"_s},
        {256, u"ImageWidth"_s},
        {257, u"ImageLength"_s},
        {258, u"BitsPerSample"_s},
        {259, u"Compression"_s},
        {262, u"PhotometricInterpretation"_s},
        {270, u"ImageDescription"_s},
        {271, u"Make"_s},
        {272, u"Model"_s},
        {273, u"StripOffsets"_s},
        {274, u"Orientation"_s},
        {277, u"SamplesPerPixel"_s},
        {278, u"RowsPerStrip"_s},
        {279, u"StripByteCounts"_s},
        {282, u"XResolution"_s},
        {283, u"YResolution"_s},
        {284, u"PlanarConfiguration"_s},
        {296, u"ResolutionUnit"_s},
        {301, u"TransferFunction"_s},
        {305, u"Software"_s},
        {306, u"DateTime"_s},
        {315, u"Artist"_s},
        {317, u"Predictor"_s},
        {318, u"WhitePoint"_s},
        {319, u"PrimaryChromaticities"_s},
        {322, u"TileWidth"_s},
        {323, u"TileLength"_s},
        {324, u"TileOffsets"_s},
        {325, u"TileByteCounts"_s},
        {330, u"SubIFDs"_s},
        {347, u"JPEGTables"_s},
        {513, u"JpegIFOffset"_s},
        {514, u"JpegIFByteCount"_s},
        {529, u"YCbCrCoefficients"_s},
        {530, u"YCbCrSubSampling"_s},
        {531, u"YCbCrPositioning"_s},
        {532, u"ReferenceBlackWhite"_s},
        {4096, u"RelatedImageFileFormat"_s},
        {4097, u"RelatedImageWidth"_s},
        {4098, u"RelatedImageLength"_s},
        {33421, u"CFARepeatPatternDim"_s},
        {33422, u"CFAPattern"_s},
        {33423, u"BatteryLevel"_s},
        {33432, u"Copyright"_s},
        {33434, u"ExposureTime"_s},
        {33437, u"FNumber"_s},
        {33723, u"IPTC/NAA"_s},
        {34665, u"ExifOffset"_s},
        {34675, u"InterColorProfile"_s},
        {34850, u"ExposureProgram"_s},
        {34852, u"SpectralSensitivity"_s},
        {34853, u"GPSInfo"_s},
        {34855, u"ISOSpeedRatings"_s},
        {34856, u"OECF"_s},
        {34857, u"Interlace"_s},
        {34858, u"TimeZoneOffset"_s},
        {34859, u"SelfTimerMode"_s},
        {36864, u"ExifVersion"_s},
        {36867, u"DateTimeOriginal"_s},
        {36868, u"DateTimeDigitized"_s},
        {37121, u"ComponentsConfiguration"_s},
        {37122, u"CompressedBitsPerPixel"_s},
        {37377, u"ShutterSpeedValue"_s},
        {37378, u"ApertureValue"_s},
        {37379, u"BrightnessValue"_s},
        {37380, u"ExposureBiasValue"_s},
        {37381, u"MaxApertureValue"_s},
        {37382, u"SubjectDistance"_s},
        {37383, u"MeteringMode"_s},
        {37384, u"LightSource"_s},
        {37385, u"Flash"_s},
        {37386, u"FocalLength"_s},
        {37387, u"FlashEnergy"_s},
        {37388, u"SpatialFrequencyResponse"_s},
        {37389, u"Noise"_s},
        {37393, u"ImageNumber"_s},
        {37394, u"SecurityClassification"_s},
        {37395, u"ImageHistory"_s},
        {37396, u"SubjectLocation"_s},
        {37397, u"ExposureIndex"_s},
        {37398, u"TIFF/EPStandardID"_s},
        {37500, u"MakerNote"_s},
        {37510, u"UserComment"_s},
        {37520, u"SubsecTime"_s},
        {37521, u"SubsecTimeOriginal"_s},
        {37522, u"SubsecTimeDigitized"_s},
        {40960, u"FlashPixVersion"_s},
        {40961, u"ColorSpace"_s},
        {40962, u"ExifImageWidth"_s},
        {40963, u"ExifImageHeight"_s},
        {40964, u"RelatedSoundFile"_s},
        {40965, u"ExifInteroperabilityOffset"_s},
        {41483, u"FlashEnergy"_s},
        {41484, u"SpatialFrequencyResponse"_s},
        {41486, u"FocalPlaneXResolution"_s},
        {41487, u"FocalPlaneYResolution"_s},
        {41488, u"FocalPlaneResolutionUnit"_s},
        {41492, u"SubjectLocation"_s},
        {41493, u"ExposureIndex"_s},
        {41495, u"SensingMethod"_s},
        {41728, u"FileSource"_s},
        {41729, u"SceneType"_s},
        {41730, u"CFAPattern"_s},
    };
    return t;
}

const QHash<quint32, QString>& orientations() {
    static const QHash<quint32, QString> t{
        {1, u"0th row : top  ;0th Column : left side"_s},
        {2, u"0th row : top ;0th Column : right side"_s},
        {3, u"0th row : bottom ;0th Column : right side"_s},
        {4, u"0th row : bottom ;0th Column : left side"_s},
        {5, u"0th row : left side ;0th Column : top"_s},
        {6, u"0th row : right side ;0th Column : top"_s},
        {7, u"0th row : right side ;0th Column : bottom"_s},
        {8, u"0th row : left side ;0th Column : bottom"_s},
    };
    return t;
}

const QHash<quint32, QString>& programmesExposition() {
    static const QHash<quint32, QString> t{
        {0, u"Not defined"_s},
        {1, u"Manual"_s},
        {2, u"Normal program"_s},
        {3, u"Aperture priority"_s},
        {4, u"Shutter priority"_s},
        {5, u"Creative program (biased toward depth of field)"_s},
        {6, u"Action program (biased toward fast shutter speed)"_s},
        {7, u"Portrait mode (for closeup photos with the background out of focus)"_s},
        {8, u"Landscape mode (for landscape photos with the background in focus)"_s},
    };
    return t;
}

const QHash<quint32, QString>& modesMesure() {
    static const QHash<quint32, QString> t{
        {0, u"unknown"_s}, {1, u"Average"_s},   {2, u"CenterWeightedAverage"_s},
        {3, u"Spot"_s},    {4, u"MultiSpot"_s}, {5, u"Pattern"_s},
        {6, u"Partial"_s}, {255, u"other"_s},
    };
    return t;
}

const QHash<quint32, QString>& sourcesLumiere() {
    static const QHash<quint32, QString> t{
        {0, u"unknown"_s},
        {1, u"Daylight"_s},
        {2, u"Fluorescent"_s},
        {3, u"Tungsten (incandescent light)"_s},
        {4, u"Flash"_s},
        {9, u"Fine weather"_s},
        {10, u"Cloudy weather"_s},
        {11, u"Shade"_s},
        {12, u"Daylight fluorescent (D 5700 – 7100K)"_s},
        {13, u"Day white fluorescent (N 4600 – 5400K)"_s},
        {14, u"Cool white fluorescent (W 3900 – 4500K)"_s},
        {15, u"White fluorescent (WW 3200 – 3700K)"_s},
        {17, u"Standard light A"_s},
        {18, u"Standard light B"_s},
        {19, u"Standard light C"_s},
        {20, u"D55"_s},
        {21, u"D65"_s},
        {22, u"D75"_s},
        {23, u"D50"_s},
        {24, u"ISO studio tungsten"_s},
        {255, u"other light source"_s},
    };
    return t;
}

const QHash<quint32, QString>& flashs() {
    static const QHash<quint32, QString> t{
        {0, u"Flash did not fire."_s},
        {1, u"Flash fired."_s},
        {5, u"Strobe return light not detected."_s},
        {7, u"Strobe return light detected."_s},
        {9, u"Flash fired, compulsory flash mode"_s},
        {13, u"Flash fired, compulsory flash mode, return light not detected"_s},
        {15, u"Flash fired, compulsory flash mode, return light detected"_s},
        {16, u"Flash did not fire, compulsory flash mode"_s},
        {24, u"Flash did not fire, auto mode"_s},
        {25, u"Flash fired, auto mode"_s},
        {29, u"Flash fired, auto mode, return light not detected"_s},
        {31, u"Flash fired, auto mode, return light detected"_s},
        {32, u"No flash function"_s},
        {65, u"Flash fired, red-eye reduction mode"_s},
        {69, u"Flash fired, red-eye reduction mode, return light not detected"_s},
        {71, u"Flash fired, red-eye reduction mode, return light detected"_s},
        {73, u"Flash fired, compulsory flash mode, red-eye reduction mode"_s},
        {77, u"Flash fired, compulsory flash mode, red-eye reduction mode, return light not detected"_s},
        {79, u"Flash fired, compulsory flash mode, red-eye reduction mode, return light detected"_s},
        {89, u"Flash fired, auto mode, red-eye reduction mode"_s},
        {93, u"Flash fired, auto mode, return light not detected, red-eye reduction mode"_s},
        {95, u"Flash fired, auto mode, return light detected, red-eye reduction mode"_s},
    };
    return t;
}

// The key of the value tables: the first component as an unsigned number, so that 255 finds
// "other" and a SHORT of 257 is not taken for 1.
std::optional<quint32> cle(const EntreeIfd& entree) {
    quint32 valeur = 0;
    if (premierEntier(entree, &valeur)) {
        return valeur;
    }
    if (!entree.donnees.isEmpty() && entree.typeConnu()) {
        return quint32(uchar(entree.donnees[0]));
    }
    return std::nullopt;
}

// The text of the table, or nothing when the value is not in it.
std::optional<QString> chercher(const QHash<quint32, QString>& table, const EntreeIfd& entree) {
    const std::optional<quint32> valeur = cle(entree);
    if (!valeur) {
        return std::nullopt;
    }
    const auto it = table.constFind(*valeur);
    if (it == table.constEnd()) {
        return std::nullopt;
    }
    return *it;
}

QString nombreSuivi(const EntreeIfd& entree, const QString& avant, const QString& apres) {
    const std::optional<double> nombre = nombreValeur(entree.donnees, entree.type);
    if (!nombre) {
        return {};
    }
    return avant + texteNombre(*nombre) + apres;
}

} // namespace

QString nomTagExif(quint32 tag) {
    const auto it = noms().constFind(tag);
    if (it != noms().constEnd()) {
        return *it;
    }
    return u"Unknown ("_s + QString::number(tag, 16).toUpper() + u")"_s;
}

NomEtTexte nomEtTexteExif(const EntreeIfd& entree) {
    const QString nom = nomTagExif(entree.tag);
    const QString generique = texteGenerique(entree.donnees, entree.count, entree.type);
    auto parTable = [&](const QHash<quint32, QString>& table) {
        return chercher(table, entree).value_or(generique);
    };
    switch (entree.tag) {
    case 274:
        return {nom, chercher(orientations(), entree).value_or(QString())};
    case 34850:
        return {nom, parTable(programmesExposition())};
    case 34855:
        return {nom, u"ISO"_s + generique};
    case 33437:
    case 37377:
        return {nom, nombreSuivi(entree, {}, {})};
    case 37382:
        return {nom, nombreSuivi(entree, {}, u"m"_s)};
    case 37386:
        return {nom, nombreSuivi(entree, {}, u"mm"_s)};
    case 37387:
        return {nom, nombreSuivi(entree, {}, u" BCPS"_s)};
    case 41493:
        return {nom, nombreSuivi(entree, u"ISO"_s, {})};
    case 37383:
        return {nom, parTable(modesMesure())};
    case 37384:
        return {nom, parTable(sourcesLumiere())};
    case 37385:
        return {nom, parTable(flashs())};
    case 256:
        return {nom, generique + u" pixels per row"_s};
    case 257:
        return {nom, generique + u" rows"_s};
    case 258:
        return {nom, generique + u" bits"_s};
    case 277:
        return {nom, generique + u" composant par pixels"_s};
    case 259:
        return {nom, parTable({{1, u"Non compressé"_s}, {6, u"Compressé JPEG"_s}})};
    case 262:
        return {nom, parTable({{2, u"RGB"_s}, {6, u"YCbCr"_s}})};
    case 284: {
        const std::optional<quint32> valeur = cle(entree);
        if (valeur == 1u) {
            return {nom, u"Format \"Chunky\""_s};
        }
        if (valeur == 2u) {
            return {nom, u"Format plan"_s};
        }
        return {nom, generique + u" pixels"_s};
    }
    default:
        return {nom, generique};
    }
}
