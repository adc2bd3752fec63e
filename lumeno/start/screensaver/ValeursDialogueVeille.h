#pragma once

#include <QString>
#include <QStringList>

// The values of the screen-saver settings dialog `frmConfig` and how they sit in the 22 lines of the
// screen saver's copy of the settings. The dialog reads back only the first characters of its
// lines (12, 8, 3 and 8), while the file keeps what was typed.
struct ValeursDialogueVeille {
    QString chemin;                                  // CmdChemin: the program folder, line 16
    QString aleatoire = QStringLiteral("Aléatoire"); // CmdAleatoire, line 17
    QString mot = QStringLiteral(" ");               // CmdMot, line 18
    QString tempo = QStringLiteral("20");            // CmdTempo, line 19
    bool internet = false;                           // VeilleInternetCheck, line 20
    QString motInternet;                             // VeillePasseInternet, line 21
    QString annee;                                   // CmdAnnee, line 22

    // Fills the values from the lines read, starting from the defaults; a file that ends early
    // leaves the later values at their defaults.
    static ValeursDialogueVeille depuisLignes(const QStringList& lignes);

    // The 22 lines the dialog writes.
    QStringList versLignes() const;
};
