#include "TablesTrouvees.h"

void TablesTrouvees::ajouterMot(const QString& mot) {
    // The slots run out at 12000 even when a file with many words started below the limit.
    if (int(mots_.size()) >= SlotsMots || motsConnus_.contains(mot))
        return;
    motsConnus_.insert(mot);
    mots_.append(mot);
}

void TablesTrouvees::ajouterAnnee(const QString& cle) {
    // Once slots 1-298 are full, every further new year lands in slot 299, which never reaches the
    // catalogue: it is enough to stop recording.
    if (int(annees_.size()) >= SlotsAnnees - 1 || anneesConnues_.contains(cle))
        return;
    anneesConnues_.insert(cle);
    annees_.append(cle);
}

void TablesTrouvees::ajouterMois(const QString& cle) {
    if (int(mois_.size()) >= SlotsMois - 1 || moisConnus_.contains(cle))
        return;
    moisConnus_.insert(cle);
    mois_.append(cle);
}

QStringList TablesTrouvees::motsPourCatalogue() const {
    QStringList liste;
    liste.reserve(mots_.size());
    for (const QString& mot : mots_) {
        if (mot.size() > 2)
            liste.append(mot.size() > 79 ? mot.left(80) : mot);
    }
    return liste;
}

QStringList TablesTrouvees::anneesPourCatalogue() const {
    QStringList liste;
    for (const QString& a : annees_) {
        if (!a.isEmpty() && a.size() < 5)
            liste.append(a);
    }
    return liste;
}
