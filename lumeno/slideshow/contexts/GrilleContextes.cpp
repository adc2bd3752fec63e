#include "GrilleContextes.h"

namespace {
const QString kVide;
}

const QString& GrilleContextes::texte(int ligne, int colonne) const {
    if (ligne < 0 || ligne >= kLignes || colonne < 0 || colonne >= kColonnes)
        return kVide;
    return cellules_[ligne][colonne];
}

void GrilleContextes::fixer(int ligne, int colonne, const QString& texte) {
    if (ligne < 0 || ligne >= kLignes || colonne < 0 || colonne >= kColonnes)
        return;
    cellules_[ligne][colonne] = texte;
}

void GrilleContextes::vider() {
    for (auto& ligne : cellules_)
        for (auto& cellule : ligne)
            cellule.clear();
}

bool GrilleContextes::estEntete(int ligne) const {
    return texte(ligne, 1) == QLatin1String("CONTEXTE");
}

QString GrilleContextes::nomContexte(int ligne) const {
    return sansEspacesFinaux(texte(ligne, 2));
}

bool GrilleContextes::estVide(int ligne) const {
    for (int c = 1; c <= 6; ++c)
        if (!texte(ligne, c).trimmed().isEmpty())
            return false;
    return true;
}

QString captionColonneContexte(int colonne) {
    switch (colonne) {
    case 1:
        return QStringLiteral("Dossier");
    case 2:
        return QStringLiteral("Année début");
    case 3:
        return QStringLiteral("Mois");
    case 4:
        return QStringLiteral("A. fin");
    case 5:
        return QStringLiteral("Mois");
    case 6:
        return QStringLiteral("Mot particulier");
    default:
        return {};
    }
}

QString sansEspacesFinaux(const QString& texte) {
    qsizetype n = texte.size();
    while (n > 0 && texte[n - 1] == QLatin1Char(' '))
        --n;
    return texte.left(n);
}
