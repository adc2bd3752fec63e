#pragma once

// Slideshow state. Pause is 1 when set by the pause actions, as the flags of the settings expect.
struct EtatDiaporama {
    int EnPause = 0;
    bool PasAPas = false;             // the next play action shows one item and stops
    bool HistoParcours = false;       // replaying items of the history ring
    bool HistoSansSuite = false;      // the next display must not fetch a new item (back button)
    bool ReaffichageVisu = false;     // show the displayed item again (after a photo tool changed the file)
    bool TexteAffiche = false;        // the last item was a text slide
    bool TexteLong = false;           // ... too long for the label: it went to the comment frame
    int EtapeFin = 0;                 // end calls in a row
    bool DirectDemarrageMp3 = false;  // started on one music file
    bool DirectDemarrageAvi = false;  // started on one video file
    bool PremiereFin = true;          // the first end since start-up has not happened yet
    bool ModeClickSouris = false;     // left button = next, right button = back
    bool ExplorateurEnMarche = false; // the explorer panel's folder slideshow plays by itself
    int PositionFichier = 0;          // next file of that folder slideshow
    int DelaiAmbiance = 5;            // photos until the background-music check
};
