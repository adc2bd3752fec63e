#pragma once

#include <QString>

// A catalogue record as the slideshow sees it: the current record of the selection, or the item on
// screen (a copy taken by the display, so that the selection can move on while it stays shown).
struct ElementVisu {
    QString VisuPhotoNom;
    QString VisuPhotoRep;
    QString VisuPhotoType; // the extension text, as stored
    int VisuPhotoAnnee = 0;
    int VisuPhotoMois = 0;
    QString VisuPhotoRab;
    int VisuPhotoValide = 0;
    QString VisuPhotoClef;
    QString VisuPhotoMots;
    QString VisuPhotoComplement;
};

// One slot of the history ring: folder, name and extension.
struct SlotHistorique {
    QString rep;
    QString nom;
    QString type;
};
