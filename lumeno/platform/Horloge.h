#pragma once

#include <QDate>
#include <QDateTime>

#include <functional>

// "Today" and "now" for the whole program. Tests fix them; everything that depends on the current
// date (the year bounds, the automatic scan, the scan date) asks here.
namespace Horloge {

QDateTime maintenant();
QDate aujourdhui();
int anneeCourante();

// The largest year a photo can carry: the current year + 1.
int anneeMaxiPhotos();

// Replaces the clock; an empty function restores the system clock.
void fixer(std::function<QDateTime()> source);

} // namespace Horloge
