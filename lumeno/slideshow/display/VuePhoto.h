#pragma once

#include <QPoint>

#include <functional>

class ImagePhoto;
class QLabel;
class QScrollBar;
class QWidget;

// The controls of the main window that the photo display touches; the main window fills it. The
// display never needs the rest of the window.
struct VuePhoto {
    QWidget* fenetre = nullptr; // the main window: its size in twips, and it grows when too flat
    ImagePhoto* Image1 = nullptr;
    QLabel* Message = nullptr;
    QLabel* MessageBas = nullptr;
    QScrollBar* VScroll1 = nullptr; // zoom, 10 to 40
    QScrollBar* VScroll2 = nullptr; // vertical pan, 1 to 100
    QScrollBar* HScroll2 = nullptr; // horizontal pan, 1 to 100

    // Window modes held by the main window. Empty functions mean: a window with its title bar.
    std::function<bool()> pleinEcran;
    std::function<bool()> barreTitre;
    // Places the row of buttons at a bar top in twips.
    std::function<void(int)> placerBarre;
};

// What the clicks on the photo and the window lead to, outside the display. Empty functions do
// nothing (or answer false).
struct ActionsPhoto {
    std::function<void()> pause;        // the slideshow's pause
    std::function<void()> pasEnAvant;   // one step forward
    std::function<void()> pasEnArriere; // one step back
    std::function<bool()> veilleActive; // screen-saver mode
    std::function<void()> quitter;      // leave the program (screen-saver mode)
    std::function<bool()> modeClickSouris;
    std::function<bool()> elementTexte;    // the displayed item is a text
    std::function<void()> debutAjoutTexte; // the comment editor on the displayed text
    std::function<void()> ecranPlein;      // to full screen
    std::function<void()> fenetreNormale;  // back to a window
    std::function<bool()> fenetreMaximisee;
    std::function<void(QPoint)> ouvrirMenu; // the pop-up menu, global position
    std::function<void(bool)> zoomActif;    // the zoom bars were shown (true) or hidden (false)
};
