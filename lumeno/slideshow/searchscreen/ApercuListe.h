#pragma once

#include "ActPhoto.h"

#include <QString>

// The preview of an entry of the catalogue list: its thumbnail, when one was made, and the caption
// under it.
struct ApercuListe {
    QString miniature; // path of the thumbnail found, empty when none
    QString libelle;   // LabelImage2

    // Looks for racine/x-Lumeno/Miniatures/<folder below the root>/<Nom>_t.<Type>, then for
    // racine/x-Lumeno/Miniatures/Lumeno-Bin/<Nom>_t.<Type>.
    static ApercuListe pour(const ActPhoto& fiche, const QString& premiereRacine);
};
