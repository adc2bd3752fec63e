#pragma once

#include <QDate>
#include <QString>

// The date of the last scan is kept as JJ/MM/AAAA whatever the locale: day at characters 1-2,
// month at 4-5, year at 7-10.
QString texteDateConfig(const QDate& date);

// Reads the fixed positions back; an invalid date (empty or garbled text) when they do not make a
// real day.
QDate lireDateConfig(const QString& texte);
