#pragma once

#include <QDate>
#include <QString>

#include <optional>

// The check made at every start-up: has the catalogue gone unscanned for longer than the number of
// days set in `ConfigAutoJour`?
namespace MiseAJourAuto {

struct Donnees {
    bool fichierLigneCommande = false;      // a file was given on the command line: no check
    std::optional<QDate> derniereMiseAJour; // the last-scan date of the settings; none read = today
    QString configAutoJour;                 // the text of `ConfigAutoJour` as read
    bool modeVeille = false;                // the screen saver scans 5 days earlier and never asks
    bool relanceApresScan = false;          // the start-up that follows a scan never asks again
    QDate aujourdhui;                       // invalid: the program's clock
};

enum class Suite {
    Contextes,        // not due: go on with the contexts
    ScanSansQuestion, // screen saver: open the screen and scan without asking
    Question,         // ask the user first
};

struct Decision {
    QString configAutoJour; // the text `ConfigAutoJour` gets (bounded to 2 .. 90)
    int jours = 30;         // N
    Suite suite = Suite::Contextes;
};

// The number of days bounded to 2 .. 90 (a text without digits counts as 0, so 2).
int joursBornes(const QString& configAutoJour);

Decision evaluer(const Donnees& donnees);

// The question asked when a scan is due outside the screen saver.
QString texteQuestion(int jours);

} // namespace MiseAJourAuto
