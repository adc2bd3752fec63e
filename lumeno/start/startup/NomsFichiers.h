#pragma once

#include <QString>

// The names of the program folder's files that start-up looks for or leaves behind.
namespace NomsFichiers {

#ifdef Q_OS_WIN
inline const QString programme = QStringLiteral("Lumeno.exe");
inline const QString utilitaire = QStringLiteral("LumenoMaj.exe");
#else
inline const QString programme = QStringLiteral("Lumeno");
inline const QString utilitaire = QStringLiteral("LumenoMaj");
#endif
inline const QString catalogue = QStringLiteral("Lumeno1.mdb");
inline const QString modeleCatalogue = QStringLiteral("Lumeno2.mdb");
inline const QString reglages = QStringLiteral("Lumeno1.txt");
inline const QString contextes = QStringLiteral("Lumeno2.txt");
inline const QString aideDfi = QStringLiteral("Lumeno2.dfi");
inline const QString nouvelUtilitaire = QStringLiteral("LumenoMajExe.tmp");
inline const QString marqueurVersion = QStringLiteral("LumenoLog1.tmp");
inline const QString marqueurReprise = QStringLiteral("LumenoLog2.tmp");
inline const QString marqueurPhase2 = QStringLiteral("LumenoLog3.tmp");
inline const QString marqueurScan = QStringLiteral("LumenoLog4.tmp");
inline const QString marqueurTelechargement = QStringLiteral("LumenoLog5.tmp");
inline const QString marqueurInstallationBase = QStringLiteral("LumenoLog7.tmp");
inline const QString temporaireIptc = QStringLiteral("TemporaireIptc.jpg");

// The template catalogue is refused below this size: a smaller file is an old or damaged copy.
inline constexpr qint64 tailleMiniModele = 106400;

} // namespace NomsFichiers
