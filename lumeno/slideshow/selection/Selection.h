#pragma once

#include "ActPhoto.h"
#include "CriteresSelection.h"
#include "CurseurCatalogue.h"
#include "Historique.h"
#include "InstantaneCatalogue.h"

#include <QString>

#include <functional>

class ReceptionMiniAlbum;

// The selection state that lives beside the criteria for the whole program.
struct EtatSelection {
    bool DernierRetenu = false;     // the last record examined passed
    bool BddEOF = true;             // the cursor ran past the last record; cleared when the query is reopened
    bool ModeMiniAlbum = false;     // accepted records go to the album instead of the slideshow
    int SautMiniAlbum = 0;          // accepted records still to pass over in album mode
    int SautDiaporama = 0;          // and in slideshow mode
    int EvitePhotos = 0;            // accepted records passed in slideshow mode: the album's page offset
    bool NouvelleSelection = false; // a record was newly accepted (for the thumbnail hook)
    bool VeilleTrouve = false;      // at least one record was accepted in this screen-saver run
    Historique historique;
};

// The selection cursor: a forward walk over the catalogue in key order that stops on the next record
// passing every criterion and leaves it in the current record buffer. It builds no list. The walk
// runs over an in-memory copy of the tested fields (InstantaneCatalogue), taken again whenever the
// catalogue changed; the record delivered is read in full from the catalogue.
class Selection {
public:
    enum class Resultat {
        Trouve, // the current record is the next item (BddEOF may be set when it was the last row)
        Fin,    // no further record passes: BddEOF is set
        Erreur  // the catalogue could not be read: erreur() gives the error number
    };

    Selection(SqliteDatabase& base, ActPhoto& courant, CriteresSelection& criteres, EtatSelection& etat);

    // The mini-album that receives records in album mode (none until it exists).
    void installerMiniAlbum(ReceptionMiniAlbum* album) { album_ = album; }
    // Called for each accepted record (the companion's reaction); optional.
    void installerReaction(std::function<void()> reaction) { reaction_ = std::move(reaction); }

    // Opens the whole catalogue in key order and clears BddEOF (a search start, an automatic restart).
    // False when the catalogue could not be read (erreur() gives the engine's error; BddEOF stays set).
    bool ouvrir();

    // The rows in key order as the last opening read them (names and positions for the catalogue list).
    const InstantaneCatalogue& instantane() const { return instantane_; }

    // Moves on to the next record passing every criterion (see Resultat).
    Resultat RechercheSelection();

    // Draws a random JPEG photo among positions 1 to nombreEnregistrements - 2 as the current record.
    // Clears the skip counters. After kTiragesMaxi draws that all met other kinds, the positions are
    // searched in turn from a random one, so the draw always ends: Fin when the catalogue holds no
    // JPEG photo in those positions (BddEOF set).
    Resultat TirageAleatoire(int nombreEnregistrements);
    static constexpr int kTiragesMaxi = 200;

    int erreur() const { return erreur_; }

private:
    Resultat echec(int erreur);
    Resultat fin();
    // Makes the row the current record: read in full from the catalogue, or as copied when the
    // catalogue cannot give it.
    void livrer(const ActPhoto& fiche);

    SqliteDatabase& base_;
    CurseurCatalogue lecteur_;
    InstantaneCatalogue instantane_;
    std::size_t position_ = 0;
    bool sautDepartAFaire_ = false;
    ActPhoto& courant_;
    CriteresSelection& criteres_;
    EtatSelection& etat_;
    ReceptionMiniAlbum* album_ = nullptr;
    std::function<void()> reaction_;
    int erreur_ = 0;
};

// The texts shown when a selection fails.
namespace MessagesSelection {
QString message(); // "Erreur dans le module Selection de Lumeno. Le Format photo est non lisible. "
QString veille();  // the screen-saver message box text
QString titreVeille();
QString baseAbsente(); // the catalogue file is missing
QString titreBaseAbsente();
} // namespace MessagesSelection
