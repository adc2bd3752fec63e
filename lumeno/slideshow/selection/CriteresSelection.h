#pragma once

#include "LignesContexte.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// The criteria of the running selection, copied from the search screen when a search starts:
// changing the screen afterwards has no effect until the next start.
struct CriteresSelection {
    QString AnneeRecherche; // text of the year combo: its leading number is the start year
    QString MoisRecherche;  // text of the month combo
    QString MotRecherche;   // free word, trimmed on both sides

    // Search-word forms, slots 1 to 20 (slot 0 unused): 1-8 the free word, 9-16 the word of a
    // context line, 17-20 empty.
    std::array<QString, 21> MotsRecherche;

    // The word chosen in the word list, already in the form compared with the record's words; empty
    // when no list word is set (see FormesMot::motListe).
    QString MotListe;

    // The folder list in its order and the ticks taken at the start. Every first-level folder is
    // listed, without a fixed maximum.
    QStringList RepertChoix;
    std::vector<bool> RepertRetenu;
    bool TousRepertRetenus = true;

    // The catalogue roots (up to three), without final separator.
    QStringList Racines;

    // Records whose Tri is below it are passed over; 0 starts at the beginning.
    int TriDepart = 0;

    // Video files whose name holds "DivX" are shown only when video is allowed in the settings.
    bool VideoAutorisee = true;

    // The chosen context ("(Aucun)" for none), its lines, and whether the contexts file was loaded.
    QString ContexteChoisi = kAucunContexte;
    LignesContexte LignesContexte_;
    bool ContexteExiste = false;
    // The first context of the file, applied to the first slideshow after start-up; consumed then.
    std::optional<QString> ContexteDemarrage;

    // Screen-saver mode: only JPEG and BMP photos.
    bool VeilleActive = false;

    // Fills MotsRecherche 1 to 8 from MotRecherche (trimmed first) and empties 9 to 20.
    void preparerMots();
    // Ticks every folder.
    void toutRetenir();
    // Takes the ticks of the folder list; any unticked entry clears TousRepertRetenus.
    void retenir(const std::vector<bool>& coches);
    // Chooses the context named by the contexts list ("(Aucun)" for none) and, when the contexts
    // file was loaded, copies its lines from the grid (a pending start-up context is taken instead
    // and consumed).
    void choisirContexte(const GrilleContextes& grille, const QString& texteListe);
};
