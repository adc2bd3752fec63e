#include "DispositionNote.h"

#include "CodeFabricant.h"

namespace {

bool commencePar(const QByteArray& note, QByteArrayView debut,
                 Qt::CaseSensitivity casse = Qt::CaseSensitive) {
    if (note.size() < debut.size()) {
        return false;
    }
    return casse == Qt::CaseSensitive
               ? note.startsWith(debut)
               : QLatin1String(note.constData(), debut.size())
                         .compare(QLatin1String(debut.data(), debut.size()), Qt::CaseInsensitive) == 0;
}

DispositionNote lue(qint32 position, qint32 type, bool grosBoutiste, BaseOffsets base = BaseOffsets::Tiff,
                    bool pointeurSuivant = true) {
    return DispositionNote{true, position, type, grosBoutiste, base, pointeurSuivant};
}

} // namespace

DispositionNote dispositionNote(qint32 code, const QByteArray& note, bool fichierMM) {
    switch (code) {
    case FabricantCanon:
        return lue(0, 1, fichierMM);
    case FabricantCasio:
        return commencePar(note, "QVC") ? lue(6, 2, true) : lue(0, 1, true);
    case FabricantFuji:
        return lue(12, 1, false, BaseOffsets::DebutNote);
    case FabricantNikon:
        if (commencePar(note, QByteArrayView("Nikon\0\1\0", 8))) {
            return lue(8, 1, fichierMM);
        }
        if (commencePar(note, QByteArrayView("Nikon\0\2", 7))) {
            return lue(18, 2, !(note.size() > 10 && note[10] == 'I'), BaseOffsets::EnteteNote);
        }
        return lue(0, 2, fichierMM);
    case FabricantSigma:
        // "SIGMA" or "FOVEON" and three zero bytes are followed by a 2-byte version before the count.
        if (commencePar(note, QByteArrayView("SIGMA\0\0\0", 8)) ||
            commencePar(note, QByteArrayView("FOVEON\0\0", 8))) {
            return lue(10, 1, fichierMM);
        }
        return lue(8, 1, fichierMM);
    case FabricantOlympus:
    case FabricantSanyo:
    case FabricantAgfa:
    case FabricantEpson:
        return lue(8, 1, fichierMM);
    case FabricantMinolta:
        if (commencePar(note, "MLY") || commencePar(note, "KC") || commencePar(note, "+M+M+M+M") ||
            commencePar(note, "MINOL")) {
            return {};
        }
        return lue(0, 1, fichierMM);
    case FabricantSony:
        return lue(12, 1, fichierMM, BaseOffsets::Tiff, false);
    case FabricantKyocera:
        return lue(22, 1, fichierMM, BaseOffsets::Suite, false);
    case FabricantPanasonic:
        if (commencePar(note, "Panasonic", Qt::CaseInsensitive)) {
            return lue(12, 1, fichierMM, BaseOffsets::Tiff, false);
        }
        return {};
    case FabricantPentax:
        return commencePar(note, "AOC") ? lue(6, 2, fichierMM) : lue(0, 1, fichierMM);
    case FabricantRicoh:
        if (commencePar(note, "RICOH", Qt::CaseInsensitive)) {
            return lue(8, 1, true);
        }
        return {};
    default:
        return {};
    }
}
