#include "ExecutionTravail.h"

#include "FichiersEchange.h"
#include "JournalMaj.h"
#include "LanceurMaj.h"

#include <QFile>

namespace {

using ExecutionTravail::Suite;

Suite absent(ContexteMaj& contexte, const QString& travail) {
    contexte.journal.ecrire(travail +
                            QStringLiteral(" n'est pas disponible dans cette version de LumenoMaj : "
                                           "retour à Lumeno."));
    ExecutionTravail::lancerLumenoBase(contexte);
    return Suite::Terminer;
}

QString texteMode(ModeExif mode) {
    switch (mode) {
    case ModeExif::LecturePhoto:
        return QStringLiteral("lecture d'une photo");
    case ModeExif::DateExif:
        return QStringLiteral("renommage des photos suivant leur date Exif");
    case ModeExif::EcrireDossier:
        break;
    }
    return QStringLiteral("remplissage des champs Exif, IPTC et Microsoft du dossier");
}

Suite executerCommande(const CommandeMaj& commande, const TravauxMaj& travaux, ContexteMaj& contexte) {
    if (const auto* exif = std::get_if<CommandeExif>(&commande)) {
        contexte.journal.ecrire(QStringLiteral("Commande Exif (") + texteMode(exif->mode) +
                                QStringLiteral(") : ") + exif->cheminPhoto);
        if (!travaux.metadonnees)
            return absent(contexte, QStringLiteral("La fenêtre des métadonnées (Exif, IPTC, Microsoft)"));
        travaux.metadonnees(*exif);
        return Suite::Attendre;
    }
    if (const auto* php = std::get_if<CommandeMajPhp>(&commande)) {
        // The command is read once: deleted before the utility opens, as the main program expects.
        const QString fichier =
            FichiersEchange::chemin(contexte.dossierProgramme, FichiersEchange::kCommande);
        contexte.journal.ecrire(QStringLiteral("Commande MajPHP : ") + php->dossier);
        if (!QFile::remove(fichier))
            contexte.journal.ecrire(QStringLiteral("Le fichier de commande ") + fichier +
                                    QStringLiteral(" n'a pas pu être effacé."));
        if (!travaux.listePhp)
            return absent(contexte, QStringLiteral("L'utilitaire de modification du fichier PHP MyBase"));
        travaux.listePhp(php->dossier);
        return Suite::Attendre;
    }
    if (std::holds_alternative<CommandeRegedit>(commande)) {
        if (!travaux.fenetreMiseAJour)
            return absent(contexte, QStringLiteral("La fenêtre de mise à jour"));
        travaux.fenetreMiseAJour();
        return Suite::Attendre;
    }
    if (const auto* refus = std::get_if<CommandeRefusee>(&commande)) {
        // The main program keeps running after an "Exif" command: there is nothing to start again.
        contexte.journal.ecrire(refus->raison);
        return Suite::Terminer;
    }
    ExecutionTravail::lancerLumenoBase(contexte);
    return Suite::Terminer;
}

} // namespace

namespace ExecutionTravail {

Suite executer(const Travail& travail, const TravauxMaj& travaux, ContexteMaj& contexte) {
    if (!travail.remarques.isEmpty())
        contexte.journal.ecrire(travail.remarques);
    switch (travail.genre) {
    case Travail::Genre::Commande:
        return executerCommande(travail.commande, travaux, contexte);
    case Travail::Genre::Phase2:
        if (!travaux.phase2)
            return absent(contexte, QStringLiteral("La phase 2 de la mise à jour"));
        travaux.phase2();
        return Suite::Attendre;
    case Travail::Genre::Phase1:
        if (!travaux.phase1)
            return absent(contexte, QStringLiteral("La phase 1 de la mise à jour"));
        travaux.phase1();
        return Suite::Attendre;
    case Travail::Genre::LancerLumeno:
        break;
    }
    lancerLumenoBase(contexte);
    return Suite::Terminer;
}

bool lancerLumenoBase(ContexteMaj& contexte) {
    const QString programme =
        FichiersEchange::chemin(contexte.dossierProgramme, FichiersEchange::programmeLumeno());
    const bool lance = contexte.lanceur.demarrer(programme, contexte.dossierProgramme);
    if (!lance)
        contexte.journal.ecrire(QStringLiteral("Le lancement de Lumeno a échoué : ") + programme);
    return lance;
}

} // namespace ExecutionTravail
