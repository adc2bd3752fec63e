#include "JournalMaj.h"

#include "FichiersEchange.h"
#include "LignesTexte.h"

#include <QFile>

namespace {
const QString kTrait = QStringLiteral("---------------------------------------------");
}

JournalMaj::JournalMaj(QString dossierProgramme)
    : chemin_(FichiersEchange::chemin(dossierProgramme, FichiersEchange::kJournal)),
      dossierProgramme_(std::move(dossierProgramme)) {}

QString JournalMaj::cheminPhase1() const {
    return FichiersEchange::chemin(dossierProgramme_, FichiersEchange::kJournalPhase1);
}

void JournalMaj::ecrire(const QStringList& lignes) {
    LignesTexte::ajouter(chemin_, lignes);
}

void JournalMaj::commencerPhase1(const QString& version) {
    LignesTexte::ecrire(
        chemin_, {kTrait, QStringLiteral("Pour information uniquement, vous trouverez ci dessous les"),
                  QStringLiteral("messages techniques de la dernière mise à jour."),
                  QStringLiteral("NB : En l'absence de message d'erreur, tout c'est bien passé."),
                  QStringLiteral("------"),
                  QStringLiteral("Début de la mise à jour grâce au logiciel de Mise à jour : ") + version});
}

bool JournalMaj::terminerPhase1() {
    // Written before the copy, so that Lumeno1.Log holds it too.
    ecrire(QStringLiteral("Copie de ") + chemin_ + QStringLiteral(" vers ") + cheminPhase1() +
           QStringLiteral(" et lancement de Lumeno en phase intermédiaire."));
    const LignesTexte::Lecture lecture = LignesTexte::lire(chemin_);
    return lecture.ok && LignesTexte::ecrire(cheminPhase1(), lecture.lignes);
}

void JournalMaj::commencerPhase2() {
    const LignesTexte::Lecture phase1 = LignesTexte::lire(cheminPhase1());
    if (phase1.ok)
        LignesTexte::ecrire(chemin_, phase1.lignes);
}

void JournalMaj::terminerPhase2(const QString& version) {
    ecrire({QStringLiteral("Lancement de Lumeno"),
            QStringLiteral("Fin de la mise à jour grâce au logiciel de Mise à jour : ") + version, kTrait,
            QStringLiteral(" ")});
}

bool JournalMaj::effacerJournalPhase1() {
    return !QFile::exists(cheminPhase1()) || QFile::remove(cheminPhase1());
}
