#include "MoteurDiaporama.h"

#include "Hasard.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

namespace {

void montrer(QWidget* w, bool visible) {
    if (w)
        w->setVisible(visible);
}

void ecrire(QLabel* label, const QString& texte, bool redessiner = false) {
    if (!label)
        return;
    label->setText(texte);
    if (redessiner)
        label->repaint();
}

const char* const kMois[12] = {"janvier", "février", "mars",      "avril",   "mai",      "juin",
                               "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};

} // namespace

void MoteurDiaporama::RechercheFin() {
    if (minimisee()) {
        etat.EtapeFin = 0;
        return;
    }
    if (crochets.generateurActif && crochets.generateurActif() && crochets.GenerateurHtmlFin)
        crochets.GenerateurHtmlFin();
    if (crochets.exportActif && crochets.exportActif() && crochets.ExportPhotosFin)
        crochets.ExportPhotosFin();
    if (vue_.Frame2 && vue_.Frame2->isVisible())
        return;

    const bool fichierSeul = etat.DirectDemarrageMp3 || etat.DirectDemarrageAvi;
    if (fichierSeul) {
        etat.EtapeFin = 4;
        if (!etat.PremiereFin) {
            etat.DirectDemarrageMp3 = false;
            etat.DirectDemarrageAvi = false;
        }
    }

    curseur_.finModesParticuliers();
    etat.ExplorateurEnMarche = false;
    if (reglages.LumenoPresent)
        curseur_.fixerModeCatalogue(true);

    if (curseur_.VeilleActive()) {
        if (!curseur_.VeilleTrouve())
            curseur_.fixerVeilleAleatoire(true);
        if (curseur_.VeilleAleatoire()) {
            curseur_.TirageAleatoire();
            return;
        }
        // The screen saver loops over its selection for ever.
        curseur_.relancerVeille();
        curseur_.RechercheSelection();
        return;
    }

    if (vue_.ClavierBlanc)
        vue_.ClavierBlanc->setFocus();
    montrer(vue_.Miniature, false);
    montrer(vue_.OuvreConfig, true);
    if (etat.EtapeFin == 0 && crochets.compagnon)
        crochets.compagnon(ReactionCompagnon::FinRecherche);
    etat.EtapeFin += 1;
    switch (etat.EtapeFin) {
    case 1:
        ecrire(vue_.Message, QStringLiteral(" Fin de la recherche."));
        return;
    case 2:
        ecrire(vue_.Message, QStringLiteral(" Il est possible de demander une nouvelle Recherche."));
        ecrire(vue_.MessageBas, QStringLiteral(" Fin de la recherche."));
        return;
    case 3:
        ecrire(vue_.Message, QStringLiteral(" En option, lancement automatique d'un diaporama."));
        ecrire(vue_.MessageBas, QStringLiteral(" Fin de la recherche."));
        return;
    default:
        break;
    }

    // A new slideshow from a random month and year.
    Hasard::initialiser();
    ecrire(vue_.Message, QString());
    ecrire(vue_.MessageBas, QString());
    etat.EtapeFin = 0;
    const int annee =
        static_cast<int>(Hasard::rnd() * (reglages.AnneeMaxi - reglages.AnneeMini)) + reglages.AnneeMini;
    const int mois = static_cast<int>(Hasard::rnd() * 12) + 1;
    const QString nomMois = QString::fromUtf8(kMois[mois - 1]);
    const QString depuis = nomMois + QLatin1Char(' ') + QString::number(annee);
    if (etat.PremiereFin) {
        etat.PremiereFin = false;
        if (fichierSeul && (etat.DirectDemarrageMp3 || etat.DirectDemarrageAvi)) {
            ecrire(vue_.Message, QStringLiteral("Appuyer sur le bouton Recherche."));
            ecrire(vue_.MessageBas, QStringLiteral("Appuyer sur le bouton Recherche."));
        }
    } else {
        ecrire(vue_.Message, QStringLiteral("Nouveau diaporama à partir de ") + depuis, true);
        ecrire(vue_.MessageBas, QStringLiteral("Diaporama à partir de ") + depuis);
        etat.DirectDemarrageMp3 = false;
        etat.DirectDemarrageAvi = false;
    }
    curseur_.relancerDepuis(QString::number(annee), QString::number(mois));
    curseur_.RechercheSelection();
    prechargerSuivant();
}
