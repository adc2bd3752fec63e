#pragma once

#include "ActPhoto.h"
#include "BoiteEnregistreuse.h"
#include "DossierTest.h"
#include "EtatDemarrage.h"
#include "FenetrePrincipale.h"
#include "LanceurEnregistreur.h"
#include "ReglagesLumeno.h"

#include <QDate>
#include <QList>

#include <memory>

// A program folder made for a test, and the main window started on it with the message and
// launcher recorders in place. The quit never ends the test process: it is counted.
class DossierProgramme {
public:
    DossierProgramme();
    ~DossierProgramme();

    QString chemin(const QString& nom = {}) const;
    // The program file, the template catalogue and the contexts file.
    DossierProgramme& base();
    DossierProgramme& programme();
    DossierProgramme& modele();
    DossierProgramme& contextes();
    // A catalogue holding these photos (Nom, Annee).
    DossierProgramme& catalogue(const QList<QPair<QString, int>>& photos);
    // A settings file written as a scan writes it, its first root the given folder.
    DossierProgramme& reglages(const QString& racine, const QDate& dateScan, const QString& joursAuto = "30");

    FenetrePrincipale& demarrer(EtatDemarrage etat = {});
    FenetrePrincipale& fenetre() { return *fenetre_; }
    EtatDemarrage etatParDefaut() const;

    DossierTest dossier;
    BoiteEnregistreuse::Portee boites;
    LanceurEnregistreur::Portee lanceur;
    int fins = 0;

private:
    std::unique_ptr<FenetrePrincipale> fenetre_;
};
