#pragma once

#include <functional>

class QAbstractButton;
class QAbstractSlider;
class QLabel;
class QTimer;
class QWidget;

// The controls of the main window that the slideshow touches; the main window fills it. Any
// control left null is simply not touched.
struct VueDiaporama {
    QWidget* fenetre = nullptr; // size in twips, minimised or not
    QLabel* Message = nullptr;
    QLabel* MessageBas = nullptr;
    QLabel* MessageTexte = nullptr;
    QAbstractButton* Marche = nullptr;
    QAbstractButton* Pause = nullptr;
    QAbstractButton* Marche3 = nullptr;
    QAbstractButton* ClavierBlanc = nullptr;
    QAbstractButton* Arriere = nullptr;
    QAbstractButton* Miniature = nullptr;
    QAbstractButton* OuvreRecherche = nullptr;
    QAbstractButton* OuvreConfig = nullptr;
    QAbstractButton* Quitter = nullptr;
    QAbstractSlider* HScroll1 = nullptr; // pace, 32 (slowest) down to 0
    QTimer* Timer1 = nullptr;
    QWidget* Frame1 = nullptr; // configuration
    QWidget* Frame2 = nullptr; // search
    QWidget* Frame3 = nullptr; // HTML
    QWidget* Frame6 = nullptr; // help
    // The comment frame and its controls: a long text slide is shown there.
    QWidget* Frame4 = nullptr;
    QWidget* AjoutTexte = nullptr; // a QTextEdit or QPlainTextEdit (its plainText property is set)
    QWidget* AjoutTexteValider = nullptr;
    QWidget* AjoutTexteSupprimer = nullptr;
    QWidget* AjoutTexteMessage1 = nullptr;
    QWidget* AjoutTexteMessage2 = nullptr;

    // Window modes held by the main window; empty functions read the window's own state.
    std::function<bool()> pleinEcran;        // full screen (maximised)
    std::function<bool()> etiquettesActives; // the caption labels are switched on (default: yes)
};
