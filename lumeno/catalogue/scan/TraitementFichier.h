#pragma once

#include "ActPhoto.h"
#include "Catalogue.h"
#include "Datation.h"
#include "FormatDeclare.h"
#include "GenresFichiers.h"
#include "MotsNom.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

// What one file gives the scan, worked out from its name, its folder and the options alone: no
// shared state, so the files of many folders can be worked out at the same time. The scan then
// takes the results in walk order for everything that depends on order (first appearances, limits).

struct OptionsTraitement {
    OptionsGenres genres;
    FormatDeclare format;
    bool triAlpha = false; // ConfigCheckTri
    int anneeMaxi = 0;     // the newest year a photo can carry, read once for the whole scan
};

// A folder met by the walk, with its root.
struct DossierParcouru {
    QString chemin;  // as the directory list gives it
    QString relatif; // below the root and its separator, empty for the root itself
    int longueurRacine = 0;
    QString rab; // the root length as signed number text
    QStringList fichiers;
};

// What every file of a folder shares, worked out once per folder by the thread that takes it.
struct ContexteDossier {
    DatationDossier datation; // daterDossier() of the folder
    QByteArray rep;           // Rep and Rab as stored
    QByteArray rab;
    MotsConnus mots; // its files' words, made once each where they repeat

    // The stored Type as UTF-8, converted once for each type met in the folder.
    QByteArray typeStocke(const QString& type);

private:
    std::vector<std::pair<QString, QByteArray>> types_;
};
ContexteDossier preparerDossier(const OptionsTraitement& options, const DossierParcouru& dossier);

struct FichierTraite {
    bool playlist = false;                    // a playlist: only its path counts
    bool listeMusique = false;                // a music type listed in the music list file
    const DossierParcouru* dossier = nullptr; // its folder
    QString nomFichier;                       // the real file name
    LigneCatalogue ligne; // the row, writer's limits applied, Mots as if the file gets its words
    int cleAnnee = 0;     // the year and month keys for the found lists
    int cleMois = 0;
    QStringList mots; // the file's words, in slot order

    // Full path of the real file.
    QString chemin() const;
};

// Nothing for a file the catalogue ignores (unknown or gated kind, a comment too big or gone).
std::optional<FichierTraite> traiterFichier(const OptionsTraitement& options, const DossierParcouru& dossier,
                                            ContexteDossier& contexte, const QString& nomFichier);
