#include "PhotoExif.h"

#include "LecteurExif.h"

BlocExif lireExif(const FichierJpeg& photo) {
    return lireExif(photo.segmentExif());
}

bool placerExif(FichierJpeg& photo, BlocExif& bloc, const PlacementNoteFabricant& placement,
                QString* erreur) {
    if (bloc.estVide() && !photo.segmentExif().isEmpty() && lireExif(photo.segmentExif()).estVide()) {
        return true; // a segment from which nothing could be read stays as it is, never dropped
    }
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
