#pragma once

class FenetrePrincipale;

// Puts the search screen (Frame2), the selection over the program folder's catalogue and the
// slideshow into the main window: the lists start-up reads go into the search screen and the
// criteria, the first selection follows the start-up criteria, the search starts run the slideshow.
// Call it once the other screens are installed: the slideshow looks its frames up when it is built.
void assemblerDiaporama(FenetrePrincipale& fenetre);
