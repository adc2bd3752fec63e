#include "ValeursDialogueVeille.h"

#include "Nombres.h"

ValeursDialogueVeille ValeursDialogueVeille::depuisLignes(const QStringList& lignes) {
    ValeursDialogueVeille v;
    const int n = static_cast<int>(lignes.size());
    auto ligne = [&lignes](int numero) { return lignes.at(numero - 1); };
    if (n < 16) {
        return v;
    }
    v.chemin = ligne(16);
    if (n < 17) {
        return v;
    }
    v.aleatoire = ligne(17).left(12);
    if (n < 18) {
        return v;
    }
    v.mot = ligne(18).left(8);
    if (n < 19) {
        return v;
    }
    v.tempo = ligne(19).left(3);
    if (n < 20) {
        return v;
    }
    v.internet = ligne(20).startsWith(u'1');
    if (n < 21) {
        return v;
    }
    v.motInternet = ligne(21);
    if (n < 22) {
        return v;
    }
    v.annee = ligne(22).left(8);
    return v;
}

QStringList ValeursDialogueVeille::versLignes() const {
    QStringList lignes = {
        QStringLiteral("----Config"),
        QStringLiteral("de l'écran de veille du micro."),
        QStringLiteral("Fichier d'initialisation"),
        QStringLiteral("de l'écran de veille de ce micro."),
        QStringLiteral(" "),
        QStringLiteral("Merci de ne pas détruire ce fichier."),
        QStringLiteral("-"),
        QStringLiteral("Ne pas changer le nombre de lignes !!"),
    };
    for (int i = 9; i <= 14; ++i) {
        lignes << QStringLiteral("-");
    }
    lignes << QStringLiteral("<---- Ligne Numéro 15 du fichier (vérifier cela en cas de problème).");
    lignes << chemin;
    // Anything that does not read as a count of at least 1 means random mode.
    const QString saut = Nombres::valeur(aleatoire) < 1 ? QStringLiteral("Aléatoire") : aleatoire;
    lignes << saut + QStringLiteral("               <-- Ecran de Veille : Aléatoire ou nombre ");
    lignes << mot + QStringLiteral("              <-- Ecran de Veille : Mot possible pour recherche ");
    lignes << tempo + QStringLiteral("             <-- Ecran de Veille : temps entre photos en  secondes ");
    lignes << (internet ? QStringLiteral("1") : QStringLiteral("0"));
    lignes << motInternet;
    lignes << annee + QStringLiteral("                   Année possible");
    return lignes;
}
