#pragma once

#include "Boite.h"

#include <QString>

// What the scan tells the configuration screen while it runs. Every call comes from the thread
// that runs the scan: a screen that runs it on a worker thread forwards them to its own thread
// (message boxes included, which must wait for the user's answer). The defaults do nothing, except
// boite(), which goes to the program's message service.
class RetourScan {
public:
    // The companion's animations.
    enum class Animation { Lecture, Traitement, Anime, Arret };

    // The moments where the screen changes its own controls.
    enum class Moment {
        Debut,                // hourglass, lists emptied, Quitter/ClavierBlanc shown, buttons hidden
        ConfigurationMasquee, // the configuration frame is hidden while the settings are saved
        Fin,                  // buttons shown again, window size restored, MessageBas put back
    };

    struct Progression {
        int dossiers = 0; // folders processed
        int fichiers = 0; // files accepted
    };

    virtual ~RetourScan() = default;

    virtual void message(const QString& texte) { (void)texte; }       // the top label, Message
    virtual void messageBas(const QString& texte) { (void)texte; }    // the bottom label, MessageBas
    virtual void messageConfig(const QString& texte) { (void)texte; } // MessageConfig, shown bold
    virtual void compagnon(Animation animation) { (void)animation; }
    virtual void moment(Moment moment) { (void)moment; }
    virtual void progression(const Progression& p) { (void)p; }
    virtual Boite::Reponse boite(const Boite::Message& m) { return Boite::courante().montrer(m); }
};
