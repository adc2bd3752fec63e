#pragma once

#include <QString>
#include <QStringList>

// Which action a key pressed in the main window calls for, before any control sees it.
struct EtatClavier {
    bool avalerProchaine = false; // set by "Mode click souris"
    bool veille = false;          // the screen saver is running
    bool zoom = false;
    QStringList ecransVisibles; // objectNames of the visible screens
    bool texteAideVisible = false;
};

struct ActionClavier {
    bool consommee = false; // the controls never see the key
    bool avalee = false;
    bool quitter = false;
    bool finZoom = false;
    QString ecranAnnule; // the screen that Escape closes
    bool resetZoomEtPause = false;
    bool aide = false;
    bool rechercheEtDiaporama = false;

    // Qt key codes (Qt::Key) so that the decision stays free of any window.
    static ActionClavier pour(int touche, const EtatClavier& etat);
    // The order in which Escape looks for a screen to close.
    static const QStringList& ordreEchap();
};
