#pragma once

#include "ActPhoto.h"
#include "Catalogue.h"
#include "CurseurCatalogue.h"
#include "DossierTest.h"

#include <QString>

#include <memory>
#include <vector>

// A small catalogue in a temporary folder, made with the catalogue's own writer. The rows are
// given in key order; their Tri is their rank.
struct LigneEssai {
    QString rep;
    QString nom;
    int annee = 0;
    int mois = 0;
    QString type = QStringLiteral("jpg");
    QString mots = QStringLiteral("_");
    QString rab = QStringLiteral(" 7"); // the root "/photos"
};

class CatalogueEssai {
public:
    explicit CatalogueEssai(const std::vector<LigneEssai>& lignes) {
        const QString chemin = dossier_.chemin("Lumeno1.mdb");
        Catalogue::creer(chemin);
        catalogue_ = std::make_unique<Catalogue>(chemin);
        int i = 0;
        for (const LigneEssai& l : lignes) {
            ActPhoto act;
            act.Clef = QString("%1").arg(++i, 6, 10, QLatin1Char('0'));
            act.Nom = l.nom;
            act.Rep = l.rep;
            act.Annee = l.annee;
            act.Mois = l.mois;
            act.Type = l.type;
            act.Valide = l.annee ? 1 : 4;
            act.Rab = l.rab;
            act.Mots = l.mots;
            catalogue_->BddEcrit(act);
        }
        catalogue_->numeroter();
        curseur_ = std::make_unique<CurseurCatalogue>(catalogue_->base());
    }
    CurseurCatalogue& curseur() { return *curseur_; }
    Catalogue& catalogue() { return *catalogue_; }

private:
    DossierTest dossier_;
    std::unique_ptr<Catalogue> catalogue_;
    std::unique_ptr<CurseurCatalogue> curseur_;
};
