#pragma once

#include "GrilleContextes.h"

#include <QString>

#include <array>
#include <optional>

// One criteria line of the chosen context: "*" marks a line in use; the six fields as typed.
struct LigneContexte {
    QString marqueur;
    QString dossier;
    QString anneeDebut;
    QString moisDebut;
    QString anneeFin;
    QString moisFin;
    QString mot;
};

inline constexpr int kLignesParContexte = 20;
using LignesContexte = std::array<LigneContexte, kLignesParContexte>;

inline const QString kAucunContexte = QStringLiteral("(Aucun)");

// Copies the lines of a context from the grid (ChargeLignesContexte) and returns the name of the
// context chosen. The name is the text of the contexts list, unless a start-up context is pending:
// it is then consumed and chosen instead. A context is its header's following rows, up to 20, up to
// the next header and never past row 199; blank rows after its last non-blank row are not part of
// it, and a context without any non-blank row keeps one empty line (which accepts everything).
// When no header carries the name, the first context's lines (from row 2) are taken.
QString ChargeLignesContexte(const GrilleContextes& grille, const QString& texteListe,
                             std::optional<QString>& contexteDemarrage, LignesContexte& lignes);

// The context names of the grid in row order, after "(Aucun)": what the contexts list shows.
QStringList nomsContextes(const GrilleContextes& grille);

// The name of the first context of the grid (row 1), used for the first slideshow after start-up.
QString premierContexte(const GrilleContextes& grille);
