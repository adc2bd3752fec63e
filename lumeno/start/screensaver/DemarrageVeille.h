#pragma once

#include "ParametresVeille.h"

#include <QString>

// The start of a screen-saver run ("/s"), before the program folder is checked: finds the screen
// saver's copy of the settings, takes its program folder and its start criteria.
struct DemarrageVeille {
    enum class Suite {
        EtapeB, // go on with the program-folder check
        Arret,  // the copy could not be read: start-up stops
    };

    Suite suite = Suite::EtapeB;
    bool veilleActive = false;  // `VeilleActive`: the copy was found
    bool reveil = false;        // the copy is missing: the program wakes up and runs as a normal start
    bool retourFenetre = false; // the window leaves full screen (the copy ended early or was unreadable)
    LectureParametresVeille lecture;

    static QString prefixeMessageBas() { return QStringLiteral("Ecran de veille "); }
    static QString texteReveil() { return QStringLiteral("Réveil de Lumeno."); }
    static constexpr int intervalleReveilMs = 4000;

    // Reads the copy in the user's configuration folder; tells the user when it is missing.
    static DemarrageVeille demarrer();
    // The same decisions from a reading already made (trouve = the file exists).
    static DemarrageVeille depuisLecture(bool trouve, bool ok, const QStringList& lignes);
};
