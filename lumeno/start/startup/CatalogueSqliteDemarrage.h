#pragma once

#include "CatalogueDemarrage.h"

#include <memory>

class Catalogue;

// The catalogue file as start-up opens and reads it. The opened Catalogue stays open for the life of
// the program (the other screens reach it through catalogue()).
class CatalogueSqliteDemarrage : public CatalogueDemarrage {
public:
    CatalogueSqliteDemarrage();
    ~CatalogueSqliteDemarrage() override;

    Ouverture ouvrir(const QString& chemin) override;
    bool estOuvert() const override { return catalogue_ != nullptr; }
    QList<NomTri> nomsEnOrdreClef() override;
    QStringList mots() override;
    QList<int> annees() override;
    QList<int> mois() override;
    std::optional<QString> premierNom() override;

    Catalogue* catalogue() const { return catalogue_.get(); }
    // Closes the file (a scan replaces it).
    void fermer();

private:
    std::unique_ptr<Catalogue> catalogue_;
};
