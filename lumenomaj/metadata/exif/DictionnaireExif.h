#pragma once

#include "EntreeIfd.h"

#include <QString>

// The name of a tag, whatever its directory: "Unknown (9C40)" for a tag the dictionary does not hold.
QString nomTagExif(quint32 tag);

struct NomEtTexte {
    QString nom;
    QString texte;
};

// The name of an entry and the text under which the metadata window shows its value.
NomEtTexte nomEtTexteExif(const EntreeIfd& entree);
