#pragma once

#include "CrochetsDiaporama.h"
#include "CurseurDiaporama.h"
#include "ElementVisu.h"
#include "EtatDiaporama.h"
#include "ReglagesDiaporama.h"
#include "VueDiaporama.h"

#include <QObject>

class AffichagePhoto;
class DiapositiveTexte;

// The slideshow: shows the items of the selection one at a time, paced by Timer1, and lets the user
// play, pause, step forward and back, change the pace and switch to mouse-click mode. The handlers
// are plain methods: the timer and the buttons call them, and so do tests.
class MoteurDiaporama : public QObject {
    Q_OBJECT
public:
    MoteurDiaporama(const VueDiaporama& vue, CurseurDiaporama& curseur, AffichagePhoto& affichage,
                    QObject* parent = nullptr);
    ~MoteurDiaporama() override;

    EtatDiaporama etat;
    ElementVisu visu; // the item on screen
    ReglagesDiaporama reglages;
    CrochetsDiaporama crochets;
    LecteursMedia lecteurs;

    // Buttons, menu entries and timer.
    void Marche_Click();
    void Pause_Click();
    void Marche3_Click();
    void ClavierBlanc_Click();
    void Arriere_Click();
    void Marche2_Click(); // menu: leaves screen-saver mode first
    void Pause2_Click();
    void Arriere2_Click() { Arriere_Click(); }
    void HScroll1_Change();
    void Timer1_Timer();
    void ClickSouris_Click();

    // Shows the current record and fetches the next one.
    void AffichageDiaporama();
    // End of the selection: the end messages over three calls, then a new slideshow from a random
    // month.
    void RechercheFin();
    // Leaves screen-saver mode.
    void ReveilVeille();

    // The displayed item is a text (for the clicks on the window).
    bool elementTexte() const;

private:
    bool minimisee() const;
    bool pleinEcran() const;
    double largeurTwips() const;
    void rattrapageHistorique();
    void affichageEnMarche();
    void avancer();
    bool resteSurHistorique();
    void avancerSelection();
    void prechargerSuivant();
    void afficherPhoto(bool rejoue);
    void erreurIllisible();
    void erreurChargement();
    void suiteErreur();
    void jouer(const LecteursMedia::Lecteur& lecteur);

    VueDiaporama vue_;
    CurseurDiaporama& curseur_;
    AffichagePhoto& affichage_;
    DiapositiveTexte* texte_ = nullptr;
};
