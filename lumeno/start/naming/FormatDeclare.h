#pragma once

#include <QString>

// The user's own naming pattern (text box FormatPhotos1), for example "xxMMAAxxxxxx": "AAAA" marks
// a 4-digit year, "AA" a 2-digit year, "MM" the month and "JJ" the day; other characters stand for
// anything. Positions are 1-based; 0 means absent.
struct FormatDeclare {
    int positionAnnee = 0;
    int chiffresAnnee = 0; // 4 or 2
    int positionMois = 0;
    int positionJour = 0; // 7 only for the AAAAMMJJ layout
    bool declare = false; // a year position was found
};

FormatDeclare analyserFormat(const QString& motif);
