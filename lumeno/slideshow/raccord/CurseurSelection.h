#pragma once

#include "CurseurDiaporama.h"

#include <functional>

struct ActPhoto;
struct CriteresSelection;
struct EtatSelection;
struct ModesRecherche;
class Selection;

// The slideshow's view of the selection cursor: the cursor, its current record, its criteria, its
// state with the history ring, and the search modes.
class CurseurSelection : public CurseurDiaporama {
public:
    CurseurSelection(Selection& selection, ActPhoto& courant, CriteresSelection& criteres,
                     EtatSelection& etat, ModesRecherche& modes);

    // Number of catalogue records (for the random draw).
    std::function<int()> nombreEnregistrements;
    // The search screen follows an automatic restart: year and month combos, ChoixMot emptied,
    // Liste on its first entry (without its one-name query).
    std::function<void(const QString& annee, const QString& mois)> ecranRelance;
    // The screen saver's word.
    std::function<QString()> motVeille;
    // A failed read of the catalogue (the error number): the selection's own messages.
    std::function<void(int)> erreurSelection;

    ElementVisu enregistrementCourant() const override;
    void RechercheSelection() override;
    void TirageAleatoire() override;
    bool BddEOF() const override;
    bool DernierRetenu() const override;
    bool NouvelAccepte() const override;
    void effacerNouvelAccepte() override;
    int HistoEcriture() const override;
    int HistoLecture() const override;
    void fixerHistoLecture(int slot) override;
    SlotHistorique Historique(int slot) const override;
    void prendreHistorique(int slot) override;
    bool ModeCatalogue() const override;
    void fixerModeCatalogue(bool actif) override;
    bool ModeExplorateur() const override;
    bool ModeAleatoire() const override;
    bool VeilleActive() const override;
    void fixerVeilleActive(bool actif) override;
    bool VeilleAleatoire() const override { return veilleAleatoire_; }
    void fixerVeilleAleatoire(bool actif) override { veilleAleatoire_ = actif; }
    bool VeilleTrouve() const override;
    void finModesParticuliers() override;
    void relancerDepuis(const QString& annee, const QString& mois) override;
    void relancerVeille() override;

private:
    void ouvrir();

    Selection& selection_;
    ActPhoto& courant_;
    CriteresSelection& criteres_;
    EtatSelection& etat_;
    ModesRecherche& modes_;
    bool veilleAleatoire_ = false;
};
