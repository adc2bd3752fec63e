#pragma once

#include "ElementVisu.h"

#include <functional>

// The players of videos, sounds and music. Each receives the item and the path of its file. A
// player takes over: it advances the selection itself, pauses the slideshow and resumes it with the
// play action when the item ends. A player left empty is absent: the slideshow says so under the
// photo and moves on to the next item.
struct LecteursMedia {
    using Lecteur = std::function<void(const ElementVisu&, const QString& chemin)>;
    Lecteur JoueVideoLecteur;
    Lecteur JoueVideoMci;
    Lecteur VideoSansLecteur;
    Lecteur JoueSonWav;
    Lecteur JoueMusiqueElement;
    Lecteur JoueQuickTime;
};

// The outcome of the export copy of one item.
struct CopieExport {
    bool reussie = true;
    QString source;
    QString cible;
};

enum class ReactionCompagnon { Photo, FinRecherche };

// What the other parts of the program do when the slideshow shows an item or reaches the end. Every
// hook is optional: an empty one does nothing (or answers false).
struct CrochetsDiaporama {
    // HTML album generator.
    std::function<bool()> generateurActif;
    std::function<void(const ElementVisu&)> preparerCheminsHtml;
    std::function<void(const ElementVisu&)> GenerateurHtmlPhoto;
    std::function<void(const ElementVisu&)> GenerateurHtmlMedia;
    std::function<void(const ElementVisu&)> GenerateurHtmlTexte;
    std::function<void()> GenerateurHtmlFin;
    // Export of the shown items.
    std::function<bool()> exportActif;
    std::function<CopieExport(const ElementVisu&)> copierExport;
    std::function<QString()> nomCibleExport; // shown under the photo while the export runs
    std::function<void()> ExportPhotosFin;
    // Thumbnail of a newly accepted JPEG.
    std::function<void(const ElementVisu&)> creerMiniature;
    // Background music check, every 5 photos.
    std::function<void()> AmbianceMP3Recherche;
    // Voice announcement: name, extension, date code, year, month.
    std::function<void(const QString&, const QString&, int, int, int)> Parole;
    std::function<void(ReactionCompagnon)> compagnon;
    // The explorer panel's folder slideshow: shows its next file (PositionFichier).
    std::function<void()> explorateurSuivant;
    // Cancel actions of the configuration, search and help screens.
    std::function<void()> annulerConfig;
    std::function<void()> annulerRecherche;
    std::function<void()> annulerAide;
};
