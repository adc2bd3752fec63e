#pragma once

#include <QString>

// The files through which Lumeno and LumenoMaj hand work to each other, all in the program folder.
namespace FichiersEchange {

inline const QString kCommande = QStringLiteral("LumenoMaj.ini");
inline const QString kDemandeMiseAJour = QStringLiteral("LumenoLog1.tmp");    // update requested
inline const QString kPhase1Faite = QStringLiteral("LumenoLog2.tmp");         // phase 1 done
inline const QString kPhase2ALancer = QStringLiteral("LumenoLog3.tmp");       // phase 2 to run
inline const QString kCatalogueARefaire = QStringLiteral("LumenoLog4.tmp");   // catalogue to rebuild
inline const QString kTelechargement = QStringLiteral("LumenoLog5.tmp");      // a web download took place
inline const QString kVersionDeBase = QStringLiteral("LumenoLog7.tmp");       // base version installed
inline const QString kUtilitaireSuivant = QStringLiteral("LumenoMajExe.tmp"); // next LumenoMaj
inline const QString kJournal = QStringLiteral("Lumeno.Log");
inline const QString kJournalPhase1 = QStringLiteral("Lumeno1.Log");

// The program executables (with ".exe" on Windows).
QString programmeLumeno();
QString programmeLumenoMaj();

// The file joined to the program folder with one separator.
QString chemin(const QString& dossierProgramme, const QString& nom);

} // namespace FichiersEchange
