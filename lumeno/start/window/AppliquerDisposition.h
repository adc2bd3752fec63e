#pragma once

struct Disposition;
class FenetrePrincipale;

// Puts the layout on the window's controls and on the controls of the installed screens, found by
// their names (a screen not installed yet has none of them).
void appliquerDisposition(FenetrePrincipale& fenetre, const Disposition& d);
