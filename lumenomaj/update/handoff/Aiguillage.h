#pragma once

#include "CommandeMaj.h"

#include <QString>
#include <QStringList>

// The job LumenoMaj picks at start from the files of the program folder.
struct Travail {
    enum class Genre {
        Commande,     // the command file names a job: see commande
        Phase2,       // LumenoLog3.tmp: phase 2 of the update
        Phase1,       // LumenoLog1.tmp: phase 1 of the update
        LancerLumeno, // nothing to do: start Lumeno and end
    };
    Genre genre = Genre::LancerLumeno;
    CommandeMaj commande;  // with Genre::Commande
    QStringList remarques; // what went wrong reading the files, for the log
};

namespace Aiguillage {

// The command file is read only when no update was requested (LumenoLog1.tmp absent), so a leftover
// command never disturbs an update; then marker 3 comes before marker 1.
Travail choisir(const QString& dossierProgramme);

} // namespace Aiguillage
