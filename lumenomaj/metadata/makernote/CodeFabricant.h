#pragma once

#include <BlocExif.h>

#include <QString>

// Maker codes of the cameras whose maker notes this program understands, from the Make text of IFD0.
enum CodeFabricant : qint32 {
    FabricantOlympus = 0,
    FabricantNikon = 1,
    FabricantCasio = 2,
    FabricantFuji = 3,
    FabricantCanon = 4,
    FabricantSigma = 5,
    FabricantSanyo = 6,
    FabricantMinolta = 7,
    FabricantSony = 8,
    FabricantAgfa = 9,
    FabricantEpson = 10,
    FabricantKyocera = 11,
    FabricantPanasonic = 12,
    FabricantPentax = 13,
    FabricantRicoh = 14,
    FabricantAutre = 15,
};

// The code of a Make text: the first maker of the list whose name the text contains, whatever the
// case; FabricantAutre when none.
qint32 codeFabricantMarque(const QString& marque);

// The code of a photo: from its Make tag, 0 when IFD0 has none.
qint32 codeFabricant(const BlocExif& bloc);

// True when IFD0 holds a Make tag. Without it the code is 0 like Olympus, but the maker is not known
// and the note is not read.
bool aUneMarque(const BlocExif& bloc);
