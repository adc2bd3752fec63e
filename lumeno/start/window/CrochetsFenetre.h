#pragma once

#include <functional>

struct ListesRecherche;

// The entry points of the main window that other screens and engines fill. An empty one does the
// window's own part only.
struct CrochetsFenetre {
    std::function<void()> ouvrirConfiguration;                // default: shows Frame1
    std::function<void()> ouvrirRecherche;                    // default: shows Frame2
    std::function<void()> ouvrirAide;                         // F1; default: shows Frame6
    std::function<void()> rechercheEtDiaporama;               // Enter on the search screen
    std::function<void()> resetZoom;                          // Escape with no screen: the photo's zoom
    std::function<void()> pauseDiaporama;                     // default: stops Timer1
    std::function<void()> repriseDiaporama;                   // the ">" action; default: starts Timer1
    std::function<void()> reveilVeille;                       // a window mode chosen during the screen saver
    std::function<void()> arreterHtml;                        // quit: a running HTML generation
    std::function<void()> tickDiaporama;                      // Timer1
    std::function<void(const ListesRecherche&)> listesPretes; // the search lists are filled
    std::function<void()> masquerCompagnon;                   // a resize hides the companion
    std::function<void()> finProgramme; // the end of the quit; default: the application quits
};
