#pragma once

#include "ReglagesLumeno.h"

#include <QList>
#include <QString>

// How the reading of Lumeno1.txt went. The reader shows nothing: the caller shows the message in
// the main window's message line, and the box about an absent folder.
enum class IssueLectureReglages {
    Absent,    // no file: the defaults apply, not an error
    Complet,   // every line was read
    Incomplet, // the file ended early or could not be read: what was read stays in force
};

inline const QString kMessageInitPasAJour =
    QStringLiteral("Il serait utile de relancer une Config. Le fichier Init n'est pas à jour.");
inline const QString kMessageLecteurAbsent =
    QStringLiteral("Le lecteur est absent. Il faut choisir un répertoire de photos.");

struct LectureReglages {
    IssueLectureReglages issue = IssueLectureReglages::Absent;
    ReglagesLumeno reglages;
    int lignesLues = 0;              // lines taken into account
    QString message;                 // kMessageInitPasAJour when Incomplet, else empty
    QList<int> racinesIndisponibles; // 0, 1, 2: roots whose folder is not there
};

// Reads programFolder/Lumeno1.txt line by line, by position.
LectureReglages lireReglages(const QString& dossierProgramme);

// Reads the lines of a settings file already loaded (the same rules).
LectureReglages lireLignesReglages(const QStringList& lignes);

// The window values to apply at the end of start-up in normal state; 0 means "leave as it is".
struct GeometrieFenetre {
    int haut = 0;
    int gauche = 0;
    int hauteur = 0;
    int largeur = 0;
};
GeometrieFenetre geometrieApplicable(const ReglagesLumeno& reglages);

// Reads one root line: the path and the check value after the final "-".
RacineCatalogue lireLigneRacine(const QString& ligne);
