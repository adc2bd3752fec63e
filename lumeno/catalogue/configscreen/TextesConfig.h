#pragma once

#include <QString>

// The texts of the configuration screen's label `MessageConfig`, for the root choosers 1, 2 and 3.
namespace TextesConfig {

QString dossierChange(int racine);
QString caseCochee(bool cochee);
QString fichierClique(int racine);
QString aucuneRacine();

} // namespace TextesConfig
