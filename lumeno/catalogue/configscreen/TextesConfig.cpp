#include "TextesConfig.h"

namespace TextesConfig {

QString dossierChange(int racine) {
    return racine == 3 ? QStringLiteral("Photos JPG possibles pour ces choix :")
                       : QStringLiteral("Photos JPG GIF ou BMP possibles pour ces choix :");
}

QString caseCochee(bool cochee) {
    return cochee ? QStringLiteral("Ceci permet de valider des photos d'un disque et sur un CD par exemple.")
                  : QStringLiteral("Ce répertoire ne sera plus utilisé dans la base de données des photos.");
}

QString fichierClique(int racine) {
    switch (racine) {
    case 1:
        return QStringLiteral("Ceci est pour information sur les photos disponibles. Il n'y a rien à "
                              "valider dans cette fenêtre.");
    case 2:
        return QStringLiteral("Ceci est pour information. Il n'y a rien à valider dans cette fenêtre. "
                              "C'est le répertoire complet qui est pris en compte");
    default:
        return QStringLiteral("Ceci est pour information. Il n'y a rien à valider dans cette fenêtre.");
    }
}

QString aucuneRacine() {
    return QStringLiteral("Il faut valider au moins la première de ces trois cases pour définir les "
                          "photos à utiliser dans la base de données.");
}

} // namespace TextesConfig
