#pragma once

#include "AffichagePhoto.h"
#include "MoteurDiaporama.h"

#include <QObject>

#include <memory>

class CurseurDiaporama;
class FenetrePrincipale;
class ImagePhoto;

// Puts the slideshow and the photo display into the main window: their views filled from the
// window's controls and screens, the photo widget Image1, the window's entry points (Escape's zoom
// reset, the pause, the wake-up), the resize refit, the clicks on the window and on the text label,
// and the menu entries "Diaporama" and "Zoom". Build it once the screens are installed.
class RaccordFenetre : public QObject {
    Q_OBJECT
public:
    RaccordFenetre(FenetrePrincipale& fenetre, CurseurDiaporama& curseur);
    ~RaccordFenetre() override;

    MoteurDiaporama& moteur() { return *moteur_; }
    AffichagePhoto& affichage() { return *affichage_; }
    ImagePhoto* image() const { return image_; }

    static VueDiaporama vueDiaporama(FenetrePrincipale& fenetre);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void preparerMenu();

    FenetrePrincipale& fenetre_;
    ImagePhoto* image_ = nullptr;
    std::unique_ptr<AffichagePhoto> affichage_;
    std::unique_ptr<MoteurDiaporama> moteur_;
};
