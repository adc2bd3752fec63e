#include "LanceurMaj.h"

#include <QProcess>

bool LanceurProcessus::demarrer(const QString& programme, const QString& dossierTravail) {
    return QProcess::startDetached(programme, {}, dossierTravail);
}
