#include "PhotoExif.h"

#include "LecteurExif.h"

BlocExif lireExif(const FichierJpeg& photo) {
    return lireExif(photo.segmentExif());
}

bool placerExif(FichierJpeg& photo, BlocExif& bloc, const PlacementNoteFabricant& placement,
                QString* erreur) {
    QString raison;
    const QByteArray segment = construireApp1(bloc, placement, &raison);
    if (segment.isEmpty() && !raison.isEmpty()) {
        if (erreur != nullptr) {
            *erreur = raison;
        }
        return false;
    }
    photo.remplacerSegmentExif(segment);
    return true;
}
