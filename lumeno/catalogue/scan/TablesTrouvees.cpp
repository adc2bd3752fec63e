#include "TablesTrouvees.h"

void TablesTrouvees::ajouterMot(const QString& mot) {
    // The slots run out at 12000 even when a file with many words started below the limit.
    if (int(mots_.size()) >= SlotsMots || motsConnus_.contains(mot))
        return;
    motsConnus_.insert(mot);
    mots_.append(mot);
}

void TablesTrouvees::ajouterAnnee(int cle) {
    // Once slots 1-298 are full, every further new year lands in slot 299, which never reaches the
    // catalogue: it is enough to stop recording.
    if (cle < 0 || cle > 9999 || int(annees_.size()) >= SlotsAnnees - 1 || anneesConnues_[cle])
        return;
    anneesConnues_[cle] = true;
    annees_.push_back(cle);
}

void TablesTrouvees::ajouterMois(int cle) {
    if (cle < 0 || cle > 12 || int(mois_.size()) >= SlotsMois - 1 || moisConnus_[cle])
        return;
    moisConnus_[cle] = true;
    mois_.push_back(cle);
}

QStringList TablesTrouvees::moisPourCatalogue() const {
    QStringList liste;
    for (int m : mois_)
        liste.append(QString::number(m).rightJustified(2, QLatin1Char('0')));
    return liste;
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
    for (int a : annees_)
        liste.append(QString::number(a).rightJustified(4, QLatin1Char('0')));
    return liste;
}
