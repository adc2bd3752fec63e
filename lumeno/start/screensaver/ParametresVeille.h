#pragma once

#include <QString>
#include <QStringList>

// What the screen saver takes from its settings copy (lines 16 to 22 of Lumeno3.txt).
struct ParametresVeille {
    static constexpr int intervalleFinFichier = 20; // seconds, when the file ends too early

    QString dossierProgramme; // line 16, trimmed, without a final separator
    bool dossierLu = false;
    bool veilleAleatoire = false; // `VeilleAleatoire`: line 17 begins with "Aléato"
    int sautDiaporama = 0;        // `SautDiaporama` before its random draw: value of line 17 + 1
    QString mot;                  // line 18, first 8 characters, trimmed
    int intervalle = 8;           // line 19, seconds, bounded
    bool modeWeb = false;         // line 20 begins with "1"
    QString motWeb;               // line 21 as it stands
    QString annee;                // line 22, first 4 characters, trimmed

    // The slideshow timer's interval for this pace.
    int intervalleTimerMs() const { return intervalle * 1000 + 30; }

    // The pace of line 19: above 32 it is 32, below 2 it is 10.
    static int intervalleBorne(const QString& ligne19);
};

// Reading the lines of the copy. The file may be short: the values read before its end stay in
// force, random mode is cleared and the pace becomes 20 seconds.
struct LectureParametresVeille {
    enum class Issue { Complete, FinDeFichier };
    Issue issue = Issue::Complete;
    ParametresVeille parametres;

    static LectureParametresVeille interpreter(const QStringList& lignes);
};
