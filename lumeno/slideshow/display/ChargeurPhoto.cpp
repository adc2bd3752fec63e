#include "ChargeurPhoto.h"

#include "Twips.h"

#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

namespace ChargeurPhoto {

int pixels(double twips, double dpi) {
    return std::max(1, Twips::versPixels(twips, dpi));
}

QSize tailleDecodage(const QSize& taille, const QSize& cible) {
    for (int diviseur : {8, 4, 2}) {
        const QSize t(taille.width() / diviseur, taille.height() / diviseur);
        if (t.width() >= cible.width() && t.height() >= cible.height())
            return t;
    }
    return taille;
}

QImage decoder(const QString& chemin, const QSize& cible) {
    QImageReader lecteur(chemin);
    lecteur.setAutoTransform(false);
    const QSize taille = lecteur.size();
    if (!taille.isValid() || cible.isEmpty())
        return {};
    const QByteArray format = lecteur.format();
    if (format == "jpeg" || format == "jpg") {
        const QSize dct = tailleDecodage(taille, cible);
        if (dct != taille) {
            // Below this quality the JPEG reader lets the DCT do the reduction.
            lecteur.setQuality(49);
            lecteur.setScaledSize(dct);
        }
    }
    QImage image = lecteur.read();
    if (image.isNull())
        return {};
    if (image.size() != cible)
        image = image.scaled(cible, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

Photo charger(const QString& chemin, const Cadre& cadre) {
    Photo photo;
    photo.chemin = chemin;
    photo.cadre = cadre;
    const QFileInfo info(chemin);
    if (!info.isFile()) {
        photo.etat = Etat::Absent;
        return photo;
    }
    photo.tailleFichier = info.size();
    QImageReader lecteur(chemin);
    lecteur.setAutoTransform(false);
    photo.tailleOrigine = lecteur.size();
    if (!photo.tailleOrigine.isValid() || photo.tailleOrigine.isEmpty()) {
        photo.etat = Etat::Illisible;
        return photo;
    }
    photo.ajustement = Ajustement::ajusterPhoto(cadre.fenetre, photo.tailleOrigine.width(),
                                                photo.tailleOrigine.height(), photo.tailleFichier);
    const Ajustement::Geometrie& g = photo.ajustement.photo;
    photo.image = decoder(chemin, QSize(pixels(g.largeur, cadre.dpi), pixels(g.hauteur, cadre.dpi)));
    photo.etat = photo.image.isNull() ? Etat::Illisible : Etat::Affichable;
    return photo;
}

} // namespace ChargeurPhoto
