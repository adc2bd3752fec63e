#pragma once

#include "EtatDemarrage.h"
#include "ReglagesLumeno.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The entry points that start-up and Timer2 reach in the other screens and engines. Each screen fills
// its own when it is composed into the main window; an empty one means the feature is not part of
// this build, and start-up goes on without it.
struct CrochetsDemarrage {
    // The settings just read, for the controls that show them (the configuration screen).
    std::function<void(const ReglagesLumeno&)> reglagesLus;

    // The screen saver's own start: finds its copy of the settings, may move the program folder.
    // Returns false when start-up must stop.
    std::function<bool(EtatDemarrage&, EtatVeille&)> demarrageVeille;

    // Installation and update screens.
    std::function<void(const QString& dossierSource)> installationDepuis; // from a Derniere_Version folder
    std::function<void()> miseAJourWeb;
    std::function<void()> installationVeille;
    std::function<void()> miseAJourDepuisFichier;
    std::function<void()> ecranVersion;

    // The command-line file.
    std::function<void(const QString& dossier)> pointerExplorateur;
    std::function<void(const QString& fichier)> demarrerMusique;
    std::function<void(const QString& fichier)> demarrerVideo;
    std::function<void(const QString& fichier)> afficherPhoto;

    std::function<void(const QString& contexte)> appliquerContexte;

    // End of start-up and the deferred actions of Timer2.
    std::function<void()> preparerCompagnons;
    std::function<void()> rechercheSelection;
    std::function<void()> rechercheWeb;
    std::function<void()> ouvrirAide;
    std::function<void()> scanCatalogue;
    std::function<void()> supprimerTemporaireOutils;
    std::function<void()> finEditionVisionneuse;
    std::function<void()> afficherDeNouveau;
    std::function<void()> marche3;
};
