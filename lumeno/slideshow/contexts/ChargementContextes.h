#pragma once

#include "GrilleContextes.h"

#include <QString>
#include <QStringList>

// Loading the contexts at start-up and after each save (InitContexte).
struct ChargementContextes {
    enum class Etat {
        Charge,   // the grid holds the file; noms lists the contexts
        Recree,   // the file was missing and the default one was written: the program must quit
        Absent,   // the file was missing and could not be written either: the program must quit
        Illisible // the file exists but could not be read: the grid is empty, start-up goes on
    };
    Etat etat = Etat::Charge;
    QStringList noms; // "(Aucun)" then the context names, for the contexts list
};

// With contexteExiste clear (the file was not found at start-up) the default file is written, the
// "Erreur Contexte" message is shown and the caller quits. Otherwise the file is read into the grid.
// Messages go through Boite.
ChargementContextes InitContexte(GrilleContextes& grille, bool contexteExiste,
                                 const QString& dossierProgramme, int anneeMaxi, int anneeMini);

// The start-up step for the contexts: notes whether the file is present and runs InitContexte.
// contexteExiste receives the presence flag the selection uses afterwards.
ChargementContextes chargerContextesDemarrage(GrilleContextes& grille, bool& contexteExiste,
                                              const QString& dossierProgramme, int anneeMaxi, int anneeMini);
