#pragma once

#include "ElementVisu.h"

// What the slideshow needs from the selection: the cursor over the catalogue, its history ring of
// the 20 last items and the modes it holds. The selection fills it; tests use a fake over a few
// records.
class CurseurDiaporama {
public:
    virtual ~CurseurDiaporama() = default;

    // The current record (the next item to show).
    virtual ElementVisu enregistrementCourant() const = 0;
    // Moves to the next record that passes the criteria.
    virtual void RechercheSelection() = 0;
    // Draws one random photo as the current record.
    virtual void TirageAleatoire() = 0;
    virtual bool BddEOF() const = 0;
    virtual bool DernierRetenu() const = 0;
    // The record just fetched was newly accepted (for the thumbnail hook); cleared by the slideshow.
    virtual bool NouvelAccepte() const = 0;
    virtual void effacerNouvelAccepte() = 0;

    // History ring, slots 1 to 20.
    virtual int HistoEcriture() const = 0;
    virtual int HistoLecture() const = 0;
    virtual void fixerHistoLecture(int slot) = 0;
    virtual SlotHistorique Historique(int slot) const = 0;
    // The slot's folder, name and extension become the current record.
    virtual void prendreHistorique(int slot) = 0;

    // Modes held by the selection.
    virtual bool ModeCatalogue() const = 0;
    virtual void fixerModeCatalogue(bool actif) = 0;
    virtual bool ModeExplorateur() const = 0;
    virtual bool ModeAleatoire() const = 0;
    virtual bool VeilleActive() const = 0;
    virtual void fixerVeilleActive(bool actif) = 0;
    virtual bool VeilleAleatoire() const = 0;
    virtual void fixerVeilleAleatoire(bool actif) = 0;
    virtual bool VeilleTrouve() const = 0;
    // Clears ModeExplorateur, ModeListeMusique and the explorer slideshow's own flag of the selection.
    virtual void finModesParticuliers() = 0;

    // A new slideshow from a start date with every folder ticked, no word and no context: the full
    // catalogue query opened again (BddEOF cleared), the year and month criteria and their combos
    // set to these texts, the word emptied, TriDepart 0, ModeMiniAlbum cleared, ContexteChoisi
    // "(Aucun)", Liste on its first entry, the word forms rebuilt. The caller then runs
    // RechercheSelection.
    virtual void relancerDepuis(const QString& annee, const QString& mois) = 0;
    // The screen saver's loop: the full query again, no date, the screen saver's word, no context,
    // TriDepart on the first entry of Liste. The caller then runs RechercheSelection.
    virtual void relancerVeille() = 0;
};
