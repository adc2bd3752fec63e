#include "FichiersEchange.h"

namespace FichiersEchange {

QString programmeLumeno() {
#ifdef Q_OS_WIN
    return QStringLiteral("Lumeno.exe");
#else
    return QStringLiteral("Lumeno");
#endif
}

QString programmeLumenoMaj() {
#ifdef Q_OS_WIN
    return QStringLiteral("LumenoMaj.exe");
#else
    return QStringLiteral("LumenoMaj");
#endif
}

QString chemin(const QString& dossierProgramme, const QString& nom) {
    if (dossierProgramme.endsWith(QLatin1Char('/')))
        return dossierProgramme + nom;
    return dossierProgramme + QLatin1Char('/') + nom;
}

} // namespace FichiersEchange
