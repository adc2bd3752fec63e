#include "ModesFenetre.h"

#include "BarreDesTaches.h"
#include "FenetrePrincipale.h"

void ModesFenetre::drapeau(int drapeau, bool actif) {
    const auto d = static_cast<Qt::WindowType>(drapeau);
    if (f_.windowFlags().testFlag(d) == actif)
        return;
    // Changing a window flag hides a top-level window; it comes back in the same state.
    const bool visible = f_.isVisible();
    const Qt::WindowStates etat = f_.windowState();
    f_.setWindowFlag(d, actif);
    f_.setWindowState(etat);
    if (visible)
        f_.show();
}

void ModesFenetre::reveilEnVeille() {
    if (f_.etat().veilleActive && f_.crochetsFenetre().reveilVeille)
        f_.crochetsFenetre().reveilVeille();
}

void ModesFenetre::pleinEcran() {
    EtatFenetre& e = f_.etatFenetre();
    f_.setWindowState(Qt::WindowNoState);
    BarreDesTaches::cacher();
    drapeau(Qt::FramelessWindowHint, true);
    f_.setWindowState(Qt::WindowFullScreen);
    if (f_.isVisible())
        f_.show();
    e.pleinEcran = true;
    e.hautBarre = f_.hauteurTwips() - 400;
    f_.placerBarre();
    reveilEnVeille();
}

void ModesFenetre::fenetre() {
    EtatFenetre& e = f_.etatFenetre();
    f_.setWindowState(Qt::WindowNoState);
    drapeau(Qt::FramelessWindowHint, false);
    f_.setWindowTitle(QStringLiteral("Lumeno"));
    BarreDesTaches::montrer();
    e.pleinEcran = false;
    e.barreTitre = true;
    if (f_.enTwips(f_.y()) < 10)
        f_.move(f_.x(), 1);
    reveilEnVeille();
    f_.disposer();
}

void ModesFenetre::effaceBarre() {
    EtatFenetre& e = f_.etatFenetre();
    const bool maximisee = f_.isMaximized();
    if (maximisee)
        f_.setWindowState(Qt::WindowNoState);
    drapeau(Qt::FramelessWindowHint, true);
    f_.resize(f_.width() + 1, f_.height());
    e.barreTitre = false;
    e.hautBarre = f_.hauteurTwips() - 400;
    f_.placerBarre();
    if (maximisee)
        f_.setWindowState(Qt::WindowMaximized);
}

void ModesFenetre::premierPlan() {
    f_.etatFenetre().premierPlan = true;
    drapeau(Qt::WindowStaysOnTopHint, true);
}
