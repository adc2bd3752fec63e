#pragma once

#include <QString>
#include <QStringList>

// What a photo's base name says: the dated scheme "AAAA-MM-xxx-yyy" (or "AAAAMM…" in the compact
// format), and the words of the name.
enum class EtatNom {
    NonDate,       // no year at the start
    Date,          // year and month read
    MoisIncorrect, // a year, but the month is above 12
};

struct FormatNoms {
    bool compact = false; // names begin with "AAAAMM"
    bool jour = false;    // names carry the day "JJ" at characters 7 and 8
};

struct NomAnalyse {
    EtatNom etat = EtatNom::NonDate;
    QString annee;    // the 4 year characters of a dated name
    QString mois;     // its 2 month characters
    QStringList mots; // at most 20 words, each of 3 characters or more
    QString motsIptc; // the words, each followed by CR LF
    QString motsXp;   // the words, each followed by one space
    bool estDate() const { return etat == EtatNom::Date; }
};

namespace AnalyseNom {

// The base name of a file name: without its last four characters when the fourth from the end is ".".
QString nomBase(const QString& nomFichier);

// The value of the leading digits after leading spaces (0 when none).
int valeur(const QString& texte);

NomAnalyse analyser(const QString& nomBase, const FormatNoms& format);

// The words of a text: separators, digits and accents cleaned, cut at changes of case.
QStringList mots(const QString& texte);

} // namespace AnalyseNom
