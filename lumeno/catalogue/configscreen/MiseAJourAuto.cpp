#include "MiseAJourAuto.h"

#include "Horloge.h"
#include "Nombres.h"

namespace MiseAJourAuto {

int joursBornes(const QString& configAutoJour) {
    const qint64 n = Nombres::valeur(configAutoJour);
    if (n > 90) {
        return 90;
    }
    if (n < 2) {
        return 2;
    }
    return static_cast<int>(n);
}

Decision evaluer(const Donnees& donnees) {
    Decision decision;
    decision.jours = joursBornes(donnees.configAutoJour);
    const qint64 lu = Nombres::valeur(donnees.configAutoJour);
    // Only a value out of bounds is rewritten; a value in bounds keeps the text as typed.
    decision.configAutoJour = (lu > 90 || lu < 2) ? QString::number(decision.jours) : donnees.configAutoJour;
    if (donnees.fichierLigneCommande || donnees.relanceApresScan) {
        return decision;
    }
    const QDate aujourdhui = donnees.aujourdhui.isValid() ? donnees.aujourdhui : Horloge::aujourdhui();
    const QDate derniere = donnees.derniereMiseAJour.value_or(aujourdhui);
    int seuil = decision.jours;
    if (donnees.modeVeille && decision.jours > 8) {
        seuil -= 5;
    }
    if (derniere.daysTo(aujourdhui) > seuil) {
        decision.suite = donnees.modeVeille ? Suite::ScanSansQuestion : Suite::Question;
    }
    return decision;
}

QString texteQuestion(int jours) {
    return QStringLiteral("La dernière mise à jour de la Base de Données remonte à plus de ") +
           QString::number(jours) + QStringLiteral(" jours. Voulez vous une mise à jour automatique ? ");
}

} // namespace MiseAJourAuto
