#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What start-up asks of the catalogue: open it, then read the lists in key order.
class CatalogueDemarrage {
public:
    enum class Ouverture {
        Ok,
        LectureSeule, // the file cannot be written (copied from a CD, say)
        EnUsage,      // another program holds it
        Erreur,
    };
    struct NomTri {
        QString nom;
        int tri = 0;
    };

    virtual ~CatalogueDemarrage() = default;
    virtual Ouverture ouvrir(const QString& chemin) = 0;
    virtual bool estOuvert() const = 0;
    // Every record of Table1 in Clef order.
    virtual QList<NomTri> nomsEnOrdreClef() = 0;
    virtual QStringList mots() = 0;  // Table2, sorted
    virtual QList<int> annees() = 0; // Table3, sorted
    virtual QList<int> mois() = 0;   // Table4, sorted
    // The first record's Nom in Clef order; empty when the catalogue has no record.
    virtual std::optional<QString> premierNom() = 0;
};
