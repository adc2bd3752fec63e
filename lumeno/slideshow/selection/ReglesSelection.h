#pragma once

#include "ActPhoto.h"
#include "CriteresSelection.h"

#include <QString>

#include <array>
#include <vector>

// The tests a record must pass, with what can be worked out once per call taken out of the
// per-record loop (numbers of the texts, word forms of the context lines).
class ReglesSelection {
public:
    explicit ReglesSelection(const CriteresSelection& criteres);

    // Screen-saver filter: only JPEG and BMP photos.
    static bool passeGenreVeille(const ActPhoto& act);
    // The screen saver spells every BMP kind "bmp".
    static void normaliserGenreVeille(ActPhoto& act);
    bool passeDepart(const ActPhoto& act) const;
    bool passeDate(const ActPhoto& act) const;
    bool passeRepertoires(const ActPhoto& act) const;
    // The free word in the name then the folder path, else the list word among the record's words.
    bool passeMots(const ActPhoto& act) const;
    bool passeVideo(const ActPhoto& act) const;
    bool passeContexte(const ActPhoto& act) const;

    // Every test above in order (the screen-saver filter only in screen-saver mode).
    bool passe(const ActPhoto& act) const;

    // True when the folder entry covers the folder: the same path or a folder below it. A folder
    // whose name merely begins with the entry's name ("2003 Vacances" for "2003") is not covered.
    static bool couvre(const QString& entree, const QString& rep);

private:
    struct LignePreparee {
        int anneeDebut = 0, moisDebut = 0, anneeFin = 0, moisFin = 0;
        QString dossier;
        bool motActif = false;
        int mot = -1; // index of the line's word in motsContexte_
    };
    struct MotContexte {
        int longueur = 0;
        std::vector<QString> formes; // the word's forms of its own length, each once
    };

    // The distinct forms of a word that have the word's length (an upper case that grows can never
    // equal a substring of that length).
    static std::vector<QString> formesUtiles(const QString* formes, int nombre, int longueur);

    bool directementDansRacine(const QString& rep) const;
    // motsTrouves caches, for the record under test, whether each context word was found
    // (-1 not looked for yet): lines often share their word.
    bool acceptee(const LignePreparee& ligne, const ActPhoto& act,
                  std::array<signed char, kLignesParContexte>& motsTrouves) const;
    static bool motTrouve(const std::vector<QString>& formes, int longueur, const ActPhoto& act);
    static bool motDansMots(const QString& mots, const QString& m);

    const CriteresSelection& c_;
    int annee_ = 0;
    int mois_ = 0;
    int longueurMot_ = 0;
    std::vector<QString> formesMot_;
    bool contexteActif_ = false;
    std::vector<LignePreparee> lignes_;
    std::vector<MotContexte> motsContexte_;
};
