#include "Aiguillage.h"
#include "ExecutionTravail.h"
#include "JournalMaj.h"
#include "LanceurMaj.h"

#include <QApplication>
#include <QDir>

namespace {

// The entry points of the jobs whose windows are part of this program. A job left empty here is
// reported in the update log and hands back to Lumeno.
TravauxMaj travauxDisponibles() {
    TravauxMaj travaux;
    return travaux;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("LumenoMaj"));

    // Lumeno starts this program with the program folder as working folder; no command line is used.
    const QString dossierProgramme = QDir::currentPath();
    LanceurProcessus lanceur;
    JournalMaj journal(dossierProgramme);
    ContexteMaj contexte{dossierProgramme, lanceur, journal};

    const Travail travail = Aiguillage::choisir(dossierProgramme);
    if (ExecutionTravail::executer(travail, travauxDisponibles(), contexte) ==
        ExecutionTravail::Suite::Attendre)
        return app.exec();
    return 0;
}
