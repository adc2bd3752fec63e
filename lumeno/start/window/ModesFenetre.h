#pragma once

class FenetrePrincipale;

// The display modes of the main window: full screen, window, no title bar, always on top.
class ModesFenetre {
public:
    explicit ModesFenetre(FenetrePrincipale& fenetre) : f_(fenetre) {}

    void pleinEcran();
    void fenetre();
    void effaceBarre();
    void premierPlan();

private:
    void drapeau(int drapeau, bool actif);
    void reveilEnVeille();

    FenetrePrincipale& f_;
};
