#include "LignesContexte.h"

#include <QStringList>

#include <algorithm>

QString ChargeLignesContexte(const GrilleContextes& grille, const QString& texteListe,
                             std::optional<QString>& contexteDemarrage, LignesContexte& lignes) {
    lignes.fill(LigneContexte{});

    QString choisi = texteListe;
    if (contexteDemarrage) {
        choisi = *contexteDemarrage;
        contexteDemarrage.reset();
    }

    const int derniereLigne = GrilleContextes::kDerniereLigneFichier;
    int debut = 2;
    for (int r = 1; r <= derniereLigne; ++r) {
        if (grille.estEntete(r) && grille.nomContexte(r) == sansEspacesFinaux(choisi)) {
            debut = r + 1;
            break;
        }
    }

    // The range ends before the next header; a header is never read as a criteria line.
    int fin = std::min(debut + kLignesParContexte - 1, 199);
    for (int r = debut; r <= std::min(fin, derniereLigne); ++r) {
        if (grille.estEntete(r)) {
            fin = r - 1;
            break;
        }
    }
    while (fin >= debut && grille.estVide(fin))
        --fin;

    if (fin < debut) {
        lignes[0].marqueur = QStringLiteral("*");
        return choisi;
    }
    int j = 0;
    for (int r = debut; r <= fin && j < kLignesParContexte; ++r, ++j) {
        LigneContexte& l = lignes[j];
        l.marqueur = QStringLiteral("*");
        l.dossier = grille.texte(r, 1);
        l.anneeDebut = grille.texte(r, 2);
        l.moisDebut = grille.texte(r, 3);
        l.anneeFin = grille.texte(r, 4);
        l.moisFin = grille.texte(r, 5);
        l.mot = grille.texte(r, 6);
    }
    return choisi;
}

QStringList nomsContextes(const GrilleContextes& grille) {
    QStringList noms{kAucunContexte};
    for (int r = 1; r <= GrilleContextes::kDerniereLigneFichier; ++r)
        if (grille.estEntete(r))
            noms << grille.nomContexte(r);
    return noms;
}

QString premierContexte(const GrilleContextes& grille) {
    return grille.texte(1, 2);
}
