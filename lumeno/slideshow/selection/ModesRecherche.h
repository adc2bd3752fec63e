#pragma once

// The program-wide modes that decide what a start of the search screen does.
struct ModesRecherche {
    bool ModeCatalogue = true;       // slideshows draw from the catalogue
    bool ModeCatalogueDepart = true; // Lumeno was found in the program folder at start-up
    bool ModeExplorateur = false;    // a file of the explorer panel was chosen
    bool ModeListeMusique = false;   // a music of the music list was chosen
    bool ModeAleatoire = false;      // the random slideshow runs
    bool DirectDemarrage = false;    // the program was started on one music or video file
};
