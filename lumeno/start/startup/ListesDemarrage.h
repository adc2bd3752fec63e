#pragma once

#include "ReglagesLumeno.h"

#include <QList>
#include <QString>
#include <QStringList>

// The search lists filled at start-up from the roots and the catalogue's tables.
namespace ListesDemarrage {

// Every first-level folder of each ticked root that is there, in name order, except the program's own
// "x-Lumeno" folders. Symbolic links to folders are left out, as the scan does not follow them either.
QStringList repertoires(const std::array<RacineCatalogue, 3>& racines);

// "" then the years above 1800 and at most anneeMaxiPhotos.
QStringList annees(const QList<int>& lues, int anneeMaxiPhotos);

// "" then the months 1 to 12.
QStringList mois(const QList<int>& lus);

// " " then the words.
QStringList mots(const QStringList& lus);

} // namespace ListesDemarrage
