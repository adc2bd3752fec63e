#pragma once

#include "CatalogueDemarrage.h"
#include "CrochetsDemarrage.h"
#include "EtatDemarrage.h"
#include "GrilleContextes.h"
#include "LectureReglages.h"
#include "ListesRecherche.h"
#include "VueDemarrage.h"

// The start-up chain, from the window's load to the first slideshow, and the deferred actions of
// Timer2. It decides; the window it is given shows.
class ChaineDemarrage {
public:
    ChaineDemarrage(EtatDemarrage& etat, VueDemarrage& vue, CatalogueDemarrage& catalogue,
                    CrochetsDemarrage& crochets);

    // The window's load: the whole chain from its first step.
    void demarrer();
    // The program folder check and everything after it (also after a scan or a template copy).
    void etapeB();
    // The tick of Timer2: runs the action of the current state.
    void tickTimer2();

    const ReglagesLumeno& reglages() const { return reglages_; }
    // The contexts as loaded (the selection reads them) and whether the file was there.
    GrilleContextes& grilleContextes() { return grille_; }
    bool contexteExiste() const { return contexteExiste_; }
    const LectureReglages& lecture() const { return lecture_; }
    const ListesRecherche& listes() const { return listes_; }
    const CriteresDepart& criteres() const { return criteres_; }
    const EtatVeille& veille() const { return veille_; }
    // True once the chain has gone through its end (the slideshow started or the search screen opened).
    bool termine() const { return termine_; }

private:
    bool etapeA();
    bool ligneCommandeHorsDossier();
    void demenagerVersExecutable();
    bool ouvrirCatalogue();
    void etapeC();
    void verificationScanAuto();
    void etapesDaG();
    bool etapeD();
    void etapeH();
    void criteresInitiaux();
    void placementFenetre();
    void marqueursFin();
    void reprendreMiseAJour();
    void installationDeBase();
    QString chemin(const QString& nom) const;
    void quitter();

    EtatDemarrage& etat_;
    VueDemarrage& vue_;
    CatalogueDemarrage& catalogue_;
    CrochetsDemarrage& crochets_;
    LectureReglages lecture_;
    ReglagesLumeno reglages_;
    GrilleContextes grille_;
    bool contexteExiste_ = false;
    ListesRecherche listes_;
    CriteresDepart criteres_;
    EtatVeille veille_;
    bool termine_ = false;
    bool quitte_ = false;
};
