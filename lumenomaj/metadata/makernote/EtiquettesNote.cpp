#include "EtiquettesNote.h"

#include "CodeFabricant.h"

#include <TexteExif.h>

#include <QtEndian>
#include <vector>

namespace {

struct TexteValeur {
    int cle; // the first byte of the value
    const char* texte;
};

// How a value is shown besides the generic text.
enum class Forme { Generique, Valeurs, ModeSpecial, SuffixeOctets };

struct Etiquette {
    quint32 tag;
    const char* libelle;
    Forme forme = Forme::Generique;
    std::vector<TexteValeur> valeurs = {};
};

using Table = std::vector<Etiquette>;

const Table tableOlympus = {
    {0, "Makernote Version"},
    {1, "Camera Settings (old)"},
    {3, "Camera Settings"},
    {64, "Compressed Image Size"},
    {129, "Minolta Thumbnail"},
    {136, "Minolta Thumbnail Offset"},
    {137, "Minolta Thumbnail Length", Forme::SuffixeOctets},
    {257,
     "Colour Mode",
     Forme::Valeurs,
     {{0, "Natural Colour"},
      {1, "Black & White"},
      {2, "Vivid colour"},
      {3, "Solarization"},
      {4, "AdobeRGB"}}},
    {258,
     "Image Quality",
     Forme::Valeurs,
     {{0, "Raw"}, {1, "Super Fine"}, {2, "Fine"}, {3, "Standard"}, {4, "Extra Fine"}}},
    {259,
     "Image Quality",
     Forme::Valeurs,
     {{0, "Raw"}, {1, "Super Fine"}, {2, "Fine"}, {3, "Standard"}, {4, "Extra Fine"}}},
    {512, "SpecialMode", Forme::ModeSpecial},
    {513, "JPEG Quality", Forme::Valeurs, {{1, "SQ"}, {2, "HQ"}, {3, "SHQ"}}},
    {514, "Macro", Forme::Valeurs, {{0, "Normal"}, {1, "Macro"}}},
    {516, "Digital Zoom"},
    {519, "Firmware Version"},
    {520, "Picture Info"},
    {521, "Camera ID"},
    {523, "Epson Image Width"},
    {524, "Epson Image Height"},
    {525, "Epson Software"},
    {3584, "Print Image Matching Info"},
    {3840, "Data Dump"},
    {4100, "Flash Mode"},
    {4102, "Bracket"},
    {4107, "Focus Mode", Forme::Valeurs, {{0, "Auto"}, {1, "Manual"}}},
    {4108, "Focus Distance"},
    {4109, "Zoom"},
    {4110, "Macro Focus"},
    {4111, "Sharpness", Forme::Valeurs, {{0, "Normal"}, {1, "Hard"}, {2, "Soft"}}},
    {4113, "Colour Matrix"},
    {4114, "Black Level"},
    {4117, "White Balance"},
    {4119, "Red Bias"},
    {4120, "Blue Bias"},
    {4122, "Serial Number"},
    {4131, "Flash Bias"},
    {4137, "Contrast", Forme::Valeurs, {{0, "High"}, {1, "Normal"}, {2, "Low"}}},
    {4138, "Sharpness Factor"},
    {4139, "Colour Control"},
    {4140, "Valid Bits"},
    {4141, "Coring Filter"},
    {4142, "Final Width"},
    {4143, "Final Height"},
    {4148, "Compression Ratio"},
};

const Table tableNikon1 = {
    {3,
     "Quality",
     Forme::Valeurs,
     {{1, "VGA Basic"}, {2, "VGA Normal"}, {3, "VGA Fine"}, {4, "SXGA Basic"}, {5, "SXGA Normal"}}},
    {4, "Colour Mode", Forme::Valeurs, {{1, "Colour"}, {2, "Monochrome"}}},
    {5,
     "Image Adjustment",
     Forme::Valeurs,
     {{0, "Normal"}, {1, "Bright+"}, {2, "Bright-"}, {3, "Contrast+"}, {4, "Contrast-"}}},
    {6, "CCD Sensitivity", Forme::Valeurs, {{0, "ISO80"}, {2, "ISO160"}, {4, "ISO320"}, {5, "ISO100"}}},
    {7,
     "White Balance",
     Forme::Valeurs,
     {{0, "Auto"},
      {1, "Preset"},
      {2, "Daylight"},
      {3, "Incandescence"},
      {4, "Fluorescence"},
      {5, "Cloudy"},
      {6, "SpeedLight"}}},
    {8, "Focus"},
    {10, "Digital Zoom"},
    {11, "Converter", Forme::Valeurs, {{0, "None"}, {1, "Fisheye"}}},
};

const Table tableNikon2 = {
    {1, "Makernote Version"},
    {2, "ISO Setting"},
    {3, "Colour Mode"},
    {4, "Quality"},
    {5, "White Balance"},
    {6, "Image Sharpening"},
    {7, "Focus Mode"},
    {8, "Flash Setting"},
    {9, "Flash Mode"},
    {11, "White Balance Adjustment"},
    {12, "White Balance RB"},
    {15, "ISO Selection"},
    {16, "Data Dump"},
    {18, "Flash Compensation"},
    {19, "ISO Requested"},
    {22, "Image Boundary"},
    {24, "Flash Bracket Compensation"},
    {25, "AE Bracket Compensation"},
    {128, "Image Adjustment"},
    {129, "Tone Compensation"},
    {130, "Auxiliary Lens"},
    {131, "Lens Type"},
    {132, "Lens"},
    {133, "Manual Focus Distance"},
    {134, "Digital Zoom"},
    {135, "Flash Used"},
    {136, "AF Focus Position"},
    {137, "Shooting Mode"},
    {141, "Colour Hue"},
    {143, "Scene Mode"},
    {144, "Light Source"},
    {146, "Hue Adjustment"},
    {148, "Saturation"},
    {149, "Noise Reduction"},
    {167, "Shutter Count"},
    {169, "Image Optimisation"},
    {170, "Saturation"},
    {171, "Vari-Program"},
};

const Table tableCasio1 = {
    {1,
     "RecordingMode",
     Forme::Valeurs,
     {{1, "Single Shutter"}, {2, "Panorama"}, {3, "Night Scene"}, {4, "Portrait"}, {5, "Landscape"}}},
    {2, "Quality", Forme::Valeurs, {{1, "Economy"}, {2, "Normal"}, {3, "Fine"}}},
    {3,
     "Focusing Mode",
     Forme::Valeurs,
     {{2, "Macro"}, {3, "Auto Focus"}, {4, "Manual Focus"}, {5, "Infinity"}}},
    {4, "Flash Mode", Forme::Valeurs, {{1, "Auto"}, {2, "On"}, {3, "Off"}, {4, "Red Eye Reduction"}}},
    {5, "Flash Intensity", Forme::Valeurs, {{11, "Weak"}, {13, "Normal"}, {15, "Strong"}}},
    {6, "Object Distance"},
    {7,
     "White Balance",
     Forme::Valeurs,
     {{1, "Auto"}, {2, "Tungsten"}, {3, "Daylight"}, {4, "Fluorescent"}, {5, "Shade"}, {129, "Manual"}}},
    {10, "Digital Zoom"},
    {11, "Sharpness", Forme::Valeurs, {{0, "Normal"}, {1, "Soft"}, {2, "Hard"}}},
    {12, "Contrast", Forme::Valeurs, {{0, "Normal"}, {1, "Low"}, {2, "High"}}},
    {13, "Saturation", Forme::Valeurs, {{0, "Normal"}, {1, "Low"}, {2, "High"}}},
    {20, "CCD Sensitivity"},
};

#define LUMENO_ETIQUETTES_CASIO2                                                                             \
    {2, "Preview Image Size"}, {3, "Preview Image Length"}, {4, "Preview Image Start"}, {8, "Quality Mode"}, \
        {9, "Image Size"}, {13, "Focus Mode"}, {20, "ISO Sensitivity"}, {29, "Focal Length"},                \
        {31, "Saturation"}, {32, "Contrast"}, {33, "Sharpness"}, {3584, "Print Image Matching Info"},        \
        {8210, "White Balance"}, {8226, "Object Distance"}, {8244, "Flash Distance"},                        \
        {12288, "Record Mode"}, {12289, "Self Timer"}, {12290, "Quality"}, {12291, "Focus Mode"},            \
        {12295, "Best Shot Mode"}, {                                                                         \
        12309, "Colour Mode"                                                                                 \
    }

const Table tableCasio2 = {LUMENO_ETIQUETTES_CASIO2};

const Table tablePentax2 = {
    LUMENO_ETIQUETTES_CASIO2, {8192, "Preview Image"}, {8209, "White Balance Bias"},
    {12294, "Hometown City"}, {12308, "ISO"},
};

#undef LUMENO_ETIQUETTES_CASIO2

const Table tableFuji = {
    {0, "Version"},
    {4096, "Quality"},
    {4097,
     "Sharpness",
     Forme::Valeurs,
     {{1, "Softest"}, {2, "Soft"}, {3, "Normal"}, {4, "Hard"}, {5, "Hardest"}}},
    {4098, "White Balance"},
    {4099, "Colour Saturation"},
    {4100, "Tone"},
    {4112, "Flash Mode", Forme::Valeurs, {{0, "Auto"}, {1, "On"}, {2, "Off"}, {3, "Red Eye Reduction"}}},
    {4113, "Flash Strength"},
    {4128, "Macro", Forme::Valeurs, {{0, "Off"}, {1, "On"}}},
    {4129, "Focus Mode", Forme::Valeurs, {{0, "Auto"}, {1, "Manual"}}},
    {4144, "Slow Sync", Forme::Valeurs, {{0, "Off"}, {1, "On"}}},
    {4145, "Picture Mode"},
    {4352, "Continuous / Bracketing", Forme::Valeurs, {{0, "Off"}, {1, "On"}}},
    {4864, "Blur Warning", Forme::Valeurs, {{0, "No blur warning"}, {1, "Blur warning"}}},
    {4865, "Focus Warning", Forme::Valeurs, {{0, "Auto focus good"}, {1, "Out of focus"}}},
    {4866, "AE Warning", Forme::Valeurs, {{0, "AE good"}, {1, "Over exposed"}}},
};

const Table tableCanon = {
    {6, "Image Type"}, {7, "Firmware Version"},      {8, "Image Number"},
    {9, "Owner name"}, {12, "Camera serial number"}, {15, "Custom Functions"},
};

const Table tableSony = {{3584, "Print Image Matching Info"}};

const Table tableKyocera = {{1, "Kyocera Proprietory Format Thumbnail"}, {3584, "Print Image Matching Info"}};

const Table tablePanasonic = {
    {1, "Quality Mode", Forme::Valeurs, {{2, "High"}, {3, "Normal"}, {6, "Very High"}, {7, "Raw"}}},
    {2, "Firmware Version"},
    {28, "Macro Mode", Forme::Valeurs, {{1, "On"}, {2, "Off"}}},
    {31, "Shooting Mode"},
    {3584, "Print Image Matching Info"},
};

const Table tablePentax1 = {
    {1, "Capture Mode", Forme::Valeurs, {{0, "Auto"}, {1, "Night-scene"}, {2, "Manual"}}},
    {2, "Quality Level", Forme::Valeurs, {{0, "Good"}, {1, "Better"}, {2, "Best"}}},
    {3, "Focus Mode", Forme::Valeurs, {{2, "Custom"}, {3, "Auto"}}},
    {4, "Flash Mode", Forme::Valeurs, {{1, "Auto"}, {2, "On"}, {4, "Off"}, {6, "Red-eye Reduction"}}},
    {11, "Sharpness", Forme::Valeurs, {{0, "Normal"}, {1, "Soft"}, {2, "Hard"}}},
    {12, "Contrast", Forme::Valeurs, {{0, "Normal"}, {1, "Low"}, {2, "High"}}},
    {13, "Saturation", Forme::Valeurs, {{0, "Normal"}, {1, "Low"}, {2, "High"}}},
    {20, "ISO Speed"},
    {23, "Colour", Forme::Valeurs, {{1, "Normal"}, {2, "Black & White"}, {3, "Sepia"}}},
    {3584, "Print Image Matching Info"},
    {4096, "Time Zone"},
    {4097, "Daylight Savings"},
};

const Table tableRicoh = {
    {1, "Makernote Data Type"},
    {2, "Version"},
    {3584, "Print Image Matching Info"},
    {8193, "Ricoh Camera Info Makernote Sub-IFD"},
};

const Table* tableDe(qint32 code, qint32 typeNote) {
    switch (code) {
    case FabricantOlympus:
    case FabricantMinolta:
    case FabricantAgfa:
    case FabricantEpson:
        return &tableOlympus;
    case FabricantNikon:
        return typeNote == 1 ? &tableNikon1 : &tableNikon2;
    case FabricantCasio:
        return typeNote == 1 ? &tableCasio1 : &tableCasio2;
    case FabricantFuji:
        return &tableFuji;
    case FabricantCanon:
        return &tableCanon;
    case FabricantSony:
        return &tableSony;
    case FabricantKyocera:
        return &tableKyocera;
    case FabricantPanasonic:
        return &tablePanasonic;
    case FabricantPentax:
        return typeNote == 1 ? &tablePentax1 : &tablePentax2;
    case FabricantRicoh:
        return &tableRicoh;
    default:
        return nullptr;
    }
}

// The second LONG of SpecialMode is the sequence number.
QString texteModeSpecial(const EntreeIfd& entree, const QString& generique) {
    static const char* const modes[] = {"Normal (Seq. Num. ", "Unknown (Seq. Num. ", "Fast (Seq. Num. ",
                                        "Panorama (Seq. Num. "};
    const int mode = entree.donnees.isEmpty() ? -1 : uchar(entree.donnees[0]);
    if (mode < 0 || mode > 3 || entree.type != ExifLong || entree.donnees.size() < 8) {
        return generique;
    }
    const quint32 sequence = qFromLittleEndian<quint32>(entree.donnees.constData() + 4);
    return QString::fromLatin1(modes[mode]) + QString::number(sequence) + QLatin1Char(')');
}

QString texteDe(const Etiquette& etiquette, const EntreeIfd& entree) {
    const QString generique = texteGenerique(entree.donnees, entree.count, entree.type);
    switch (etiquette.forme) {
    case Forme::Generique:
        return generique;
    case Forme::SuffixeOctets:
        return generique + QLatin1Char('o');
    case Forme::ModeSpecial:
        return texteModeSpecial(entree, generique);
    case Forme::Valeurs:
        if (!entree.donnees.isEmpty()) {
            const int cle = uchar(entree.donnees[0]);
            for (const TexteValeur& v : etiquette.valeurs) {
                if (v.cle == cle) {
                    return QString::fromUtf8(v.texte);
                }
            }
        }
        return generique;
    }
    return generique;
}

} // namespace

NomEtTexte etiquetteEtTexteNote(qint32 codeFabricant, qint32 typeNote, const EntreeIfd& entree) {
    if (const Table* table = tableDe(codeFabricant, typeNote)) {
        for (const Etiquette& etiquette : *table) {
            if (etiquette.tag == entree.tag) {
                return {QString::fromUtf8(etiquette.libelle), texteDe(etiquette, entree)};
            }
        }
    }
    return {QStringLiteral("Unknown"), texteGenerique(entree.donnees, entree.count, entree.type)};
}
