#pragma once

class FenetrePrincipale;

// Puts the screens and engines of the program into the main window: each fills the entry points
// of the window it answers (start-up hooks, window hooks) and installs its frame.
void assemblerEcrans(FenetrePrincipale& fenetre);
