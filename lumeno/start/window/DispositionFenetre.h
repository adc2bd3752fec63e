#pragma once

#include <QRect>
#include <QSize>

#include <optional>

// The resize rules of the main window, in twips from the window's size. Nothing here touches a
// widget: the window applies the result to its controls and to those of the installed screens.
struct EntreeDisposition {
    int largeur = 0; // W, twips
    int hauteur = 0; // H, twips
    bool barreTitre = true;
    bool pleinEcran = false;
    int gaucheMessage = 120;
    int gaucheMessageBas = 120;
    std::optional<QSize> image; // the picture's own size; none while no picture is loaded
};

struct DispositionRecherche {
    int largeurListe = 0, largeurContexteListe = 0, gaucheDir4Frame = 0, gaucheMusiquesListeMP3 = 0,
        largeurChoixRepert = 0, gaucheImage2 = 0, largeurMusiquesListeMP3 = 0;
    int gauchePlaylistFrame = 0, gaucheLabelMusiquesListeRecherche = 0, gauchePlaylistAffichage = 0,
        gaucheLabelImage2 = 0;
};

struct Disposition {
    int hautBarre = 0;
    bool cacherMessage = false;
    std::optional<int> largeurMessageTexte;
    std::optional<int> largeurMessage;
    std::optional<int> largeurMessageBas;
    std::optional<QRect> image; // refitted photo
    QRect hscroll2, vscroll2, vscroll1;
    DispositionRecherche recherche;
    int largeurFrame4 = 0;
    std::optional<int> largeurAjoutTexte;
    std::optional<int> largeurWebBrowser1;
    std::optional<int> hauteurWebBrowser1;

    static constexpr int epaisseurBarreZoom = 255;

    static Disposition calculer(const EntreeDisposition& e);
    // The photo fitted to the window: by width for a landscape picture (aspect above 1.1), else by
    // height and centred; a landscape picture that would then be taller than the window is fitted
    // by height instead.
    static QRect ajusterImage(const QSize& image, int largeur, int hauteur);
};
