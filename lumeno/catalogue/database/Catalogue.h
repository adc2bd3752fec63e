#pragma once

#include "ActPhoto.h"
#include "Sqlite.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// A Table1 row ready for a bulk write: the record after the writer's limits, its texts already in
// the file's own encoding (UTF-8). Made on any thread; writing it costs the engine no conversion.
struct LigneCatalogue {
    QByteArray Clef;
    QByteArray Nom;
    QByteArray Rep;
    int Annee = 0;
    int Mois = 0;
    QByteArray Type;
    int Valide = 0;
    QByteArray Rab;
    QByteArray Mots;

    // From a record that already went through EcritureEnregistrement::preparer().
    static LigneCatalogue depuis(const ActPhoto& prepare);
};

// The catalogue file: Table1 (one row a catalogued file), Table2 (words found), Table3 (years
// found), Table4 (months found). Errors of the engine throw SqliteError unless said otherwise.
class Catalogue {
public:
    // A template shorter than this is taken as the wrong file at start-up.
    static constexpr qint64 TailleMiniModele = 106400;

    // Creates a new empty catalogue with the four tables and their indexes. The page size is large
    // so that even the empty file passes the template size check. Replaces nothing: the file must
    // not exist.
    static void creer(const QString& chemin);

    // Opens an existing catalogue. A write-protected file opens read-only (see lectureSeule()).
    explicit Catalogue(const QString& chemin, SqliteDatabase::Mode mode = SqliteDatabase::Mode::ReadWrite);
    ~Catalogue();
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    SqliteDatabase& base() { return base_; }
    bool lectureSeule() const { return base_.isReadOnly(); }

    // For a file that is being built and will be renamed into place only when complete: no
    // journal and no flush, which a crash can only cost the temporary file.
    void modeConstruction();

    // BddEcrit: appends the record as a new row after the writer's limits. tri > 0 stores that
    // position (a caller that inserts in key order knows it); 0 leaves Tri empty for numeroter().
    // A row the engine refuses is skipped: the result is false and nothing is thrown.
    bool BddEcrit(const ActPhoto& act, int tri = 0);
    // The same for a record that already went through EcritureEnregistrement::preparer().
    bool ecrirePrepare(const ActPhoto& act, int tri);

    // The same for a row already in the file's encoding; Complement, Futur and Information get
    // their fixed texts. Errors of the engine throw.
    void ecrireLigne(const LigneCatalogue& ligne, int tri);
    // Many rows in a row, given Tri = premierTri, premierTri + 1, …; several rows go in at each
    // run of the engine.
    void ecrireLignes(const std::vector<const LigneCatalogue*>& lignes, int premierTri);

    // The numbering pass: Tri = 1, 2, 3 … in key order.
    void numeroter();

    void ajouterMotTrouve(const QString& mot);
    void ajouterAnneeTrouvee(const QString& annee);
    void ajouterMoisTrouve(const QString& mois);

    // "SELECT * FROM Table2 ORDER BY MotsTrouves ; " and the like for the years and months.
    QStringList motsTrouves();
    QStringList anneesTrouvees();
    QStringList moisTrouves();

    int nombreEnregistrements();

private:
    void ajouterListe(std::unique_ptr<SqliteStatement>& requete, const char* sql, const QString& valeur);
    QStringList lireListe(const char* sql);

    SqliteDatabase base_;
    std::unique_ptr<SqliteStatement> insertion_;
    std::unique_ptr<SqliteStatement> insertionParLot_;
    std::unique_ptr<SqliteStatement> insertionMot_;
    std::unique_ptr<SqliteStatement> insertionAnnee_;
    std::unique_ptr<SqliteStatement> insertionMois_;
};
