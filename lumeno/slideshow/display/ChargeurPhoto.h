#pragma once

#include "Ajustement.h"

#include <QImage>
#include <QSize>
#include <QString>

// Decoding a photo at the size it is shown. A JPEG is decoded by the DCT at the largest of 1/8, 1/4,
// 1/2 or 1/1 that still covers the shown size, then scaled once, smoothly, to that size: never
// decoded full size and then scaled.
namespace ChargeurPhoto {

enum class Etat { Affichable, Absent, Illisible };

// What the window looked like when the photo was fitted; a photo fitted for another window is
// fitted again.
struct Cadre {
    Ajustement::Fenetre fenetre;
    double dpi = 96;
    bool operator==(const Cadre&) const = default;
};

struct Photo {
    Etat etat = Etat::Illisible;
    QString chemin;
    Cadre cadre;
    QSize tailleOrigine;             // pw x ph, pixels
    qint64 tailleFichier = 0;        // bytes
    Ajustement::Resultat ajustement; // twips
    QImage image;                    // decoded at the fitted size
};

// Reads, fits and decodes one photo for the given window. Safe on any thread.
Photo charger(const QString& chemin, const Cadre& cadre);

// Decodes a picture at a given size (pixels), through the DCT scaling for JPEG. An empty image when
// the file cannot be read.
QImage decoder(const QString& chemin, const QSize& cible);

// The decode size the DCT gives for a picture of taille pixels shown at cible: the smallest of
// taille / 8, / 4, / 2, / 1 that is at least as large as cible on both sides.
QSize tailleDecodage(const QSize& taille, const QSize& cible);

// Pixels for a twips length at a given dpi, at least 1.
int pixels(double twips, double dpi);

} // namespace ChargeurPhoto
