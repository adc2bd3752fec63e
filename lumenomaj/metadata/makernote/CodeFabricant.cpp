#include "CodeFabricant.h"

#include <TexteExif.h>

namespace {

constexpr quint32 TagMake = 271;

struct NomFabricant {
    const char* nom;
    qint32 code;
};

// Tested in this order: the first name found in the Make text gives the code.
constexpr NomFabricant noms[] = {
    {"Canon", FabricantCanon},     {"Casio", FabricantCasio},     {"Fuji", FabricantFuji},
    {"Nikon", FabricantNikon},     {"Olympus", FabricantOlympus}, {"Sanyo", FabricantSanyo},
    {"Sony", FabricantSony},       {"Agfa", FabricantAgfa},       {"Epson", FabricantEpson},
    {"Kyocera", FabricantKyocera}, {"Contax", FabricantKyocera},  {"Panasonic", FabricantPanasonic},
    {"Pentax", FabricantPentax},   {"Asahi", FabricantPentax},    {"Ricoh", FabricantRicoh},
    {"Sigma", FabricantSigma},     {"Foveon", FabricantSigma},    {"Minolta", FabricantMinolta},
    {"Konica", FabricantMinolta},
};

} // namespace

qint32 codeFabricantMarque(const QString& marque) {
    for (const NomFabricant& n : noms) {
        if (marque.contains(QLatin1String(n.nom), Qt::CaseInsensitive)) {
            return n.code;
        }
    }
    return FabricantAutre;
}

bool aUneMarque(const BlocExif& bloc) {
    return bloc.ifd0.trouver(TagMake) != nullptr;
}

qint32 codeFabricant(const BlocExif& bloc) {
    const EntreeIfd* make = bloc.ifd0.trouver(TagMake);
    if (make == nullptr) {
        return 0;
    }
    return codeFabricantMarque(texteAscii(make->donnees));
}
