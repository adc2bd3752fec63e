#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line.
struct LigneCommande {
    enum class Mode {
        Normal,        // no argument, or a file to show
        Veille,        // "/s": run as the screen saver
        ReglageVeille, // "/c": the screen-saver settings dialog
        Apercu,        // "/p N": the preview inside window N
        Rien,          // "/a": nothing to do
    };

    Mode mode = Mode::Normal;
    QString fichier;        // the file to show, one pair of surrounding quotes removed
    qulonglong fenetre = 0; // the window of the preview

    // A switch is the whole first argument ("/s", "-s", "s", "/c", "/c:1234", "/p", "/a"), so that a
    // path such as /srv/photos/x.jpg or /photos/y.jpg is a file and never a switch.
    static LigneCommande analyser(const QStringList& arguments);
};
