#pragma once

#include "Aiguillage.h"

#include <QString>

#include <functional>

class JournalMaj;
class LanceurMaj;

// The entry points of the jobs, filled by the program as its windows exist. Each one opens its
// window and from then on owns the end of the program (starting Lumeno again where its job says so).
struct TravauxMaj {
    std::function<void(const CommandeExif&)> metadonnees; // metadata window and batch jobs
    std::function<void(const QString& dossier)> listePhp; // PHP list folder removal
    std::function<void()> fenetreMiseAJour;               // update window left open and idle
    std::function<void()> phase1;                         // update, phase 1
    std::function<void()> phase2;                         // update, phase 2
};

struct ContexteMaj {
    QString dossierProgramme;
    LanceurMaj& lanceur;
    JournalMaj& journal;
};

namespace ExecutionTravail {

enum class Suite {
    Terminer, // nothing left running: the program ends now
    Attendre, // a job window is open and ends the program itself
};

// Runs the chosen job: deletes the command file after a "MajPHP-" command, calls the job's entry
// point, or, when that job is not part of this version, says so in the log and starts Lumeno again.
Suite executer(const Travail& travail, const TravauxMaj& travaux, ContexteMaj& contexte);

// Starts Lumeno from the program folder, in that folder; a failure is logged. The caller ends after.
bool lancerLumenoBase(ContexteMaj& contexte);

} // namespace ExecutionTravail
