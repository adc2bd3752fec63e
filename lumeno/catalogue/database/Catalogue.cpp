#include "Catalogue.h"

#include "EcritureEnregistrement.h"

#include <QFile>

#include <string>

namespace {

// Key order ignores ASCII letter case, so "plage" and "Plage" folders sit together. Tri is the
// position in key order: its index serves both the key-order walks and the look-ups by position,
// and costs far less to keep than an index on the long key texts.
constexpr char Schema[] = R"(
PRAGMA page_size = 32768;
PRAGMA journal_mode = DELETE;
BEGIN;
CREATE TABLE Table1 (
  "N°" INTEGER PRIMARY KEY,
  Clef TEXT COLLATE NOCASE,
  Nom TEXT,
  Rep TEXT,
  Annee INTEGER,
  Mois INTEGER,
  Type TEXT,
  Valide INTEGER,
  Rab TEXT,
  Tri INTEGER,
  Mots TEXT,
  Complement TEXT,
  Futur TEXT,
  Information TEXT
);
CREATE INDEX Table1Tri ON Table1 (Tri);
CREATE TABLE Table2 (MotsTrouves TEXT);
CREATE TABLE Table3 (AnneesTrouvees TEXT);
CREATE TABLE Table4 (MoisTrouves TEXT);
COMMIT;
)";

// Complement, Futur and Information hold the same texts in every row.
constexpr char Insertion[] =
    "INSERT INTO Table1 (Clef, Nom, Rep, Annee, Mois, Type, Valide, Rab, Tri, Mots, Complement, Futur, "
    "Information) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, '...', '.', '.')";

constexpr int LignesParLot = 32;

std::string insertionParLot() {
    std::string sql =
        "INSERT INTO Table1 (Clef, Nom, Rep, Annee, Mois, Type, Valide, Rab, Tri, Mots, Complement, "
        "Futur, Information) VALUES ";
    for (int i = 0; i < LignesParLot; ++i) {
        if (i > 0)
            sql += ", ";
        sql += "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '...', '.', '.')";
    }
    return sql;
}

// Binds one row from parameter premier on, in the order of the insertion's columns.
void lier(SqliteStatement& r, int premier, const LigneCatalogue& l, int tri) {
    r.bindUtf8(premier, l.Clef);
    r.bindUtf8(premier + 1, l.Nom);
    r.bindUtf8(premier + 2, l.Rep);
    r.bind(premier + 3, std::int64_t(l.Annee));
    r.bind(premier + 4, std::int64_t(l.Mois));
    r.bindUtf8(premier + 5, l.Type);
    r.bind(premier + 6, std::int64_t(l.Valide));
    r.bindUtf8(premier + 7, l.Rab);
    if (tri > 0)
        r.bind(premier + 8, std::int64_t(tri));
    else
        r.bindNull(premier + 8);
    r.bindUtf8(premier + 9, l.Mots);
}

} // namespace

void Catalogue::creer(const QString& chemin) {
    if (QFile::exists(chemin))
        throw SqliteError(0, "the catalogue file exists already: " + chemin.toStdString());
    SqliteDatabase base(chemin, SqliteDatabase::Mode::ReadWriteCreate);
    base.execute(Schema);
}

Catalogue::Catalogue(const QString& chemin, SqliteDatabase::Mode mode) : base_(chemin, mode) {}

Catalogue::~Catalogue() {
    // Statements before the connection.
    insertion_.reset();
    insertionParLot_.reset();
    insertionMot_.reset();
    insertionAnnee_.reset();
    insertionMois_.reset();
}

void Catalogue::modeConstruction() {
    base_.execute("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;");
}

bool Catalogue::BddEcrit(const ActPhoto& brut, int tri) {
    return ecrirePrepare(EcritureEnregistrement::preparer(brut), tri);
}

bool Catalogue::ecrirePrepare(const ActPhoto& act, int tri) {
    try {
        if (!insertion_)
            insertion_ = std::make_unique<SqliteStatement>(base_, Insertion);
        SqliteStatement& r = *insertion_;
        r.bind(1, act.Clef);
        r.bind(2, act.Nom);
        r.bind(3, act.Rep);
        r.bind(4, std::int64_t(act.Annee));
        r.bind(5, std::int64_t(act.Mois));
        r.bind(6, act.Type);
        r.bind(7, std::int64_t(act.Valide));
        r.bind(8, act.Rab);
        if (tri > 0)
            r.bind(9, std::int64_t(tri));
        else
            r.bindNull(9);
        r.bind(10, act.Mots);
        r.run();
        return true;
    } catch (const SqliteError&) {
        if (insertion_)
            insertion_->reset();
        return false;
    }
}

LigneCatalogue LigneCatalogue::depuis(const ActPhoto& act) {
    LigneCatalogue l;
    l.Clef = act.Clef.toUtf8();
    l.Nom = act.Nom.toUtf8();
    l.Rep = act.Rep.toUtf8();
    l.Annee = act.Annee;
    l.Mois = act.Mois;
    l.Type = act.Type.toUtf8();
    l.Valide = act.Valide;
    l.Rab = act.Rab.toUtf8();
    l.Mots = act.Mots.toUtf8();
    return l;
}

void Catalogue::ecrireLigne(const LigneCatalogue& l, int tri) {
    if (!insertion_)
        insertion_ = std::make_unique<SqliteStatement>(base_, Insertion);
    // Every parameter is bound again for each row, so the statement is only rewound.
    lier(*insertion_, 1, l, tri);
    insertion_->runAndRewind();
}

void Catalogue::ecrireLignes(const std::vector<const LigneCatalogue*>& lignes, int premierTri) {
    size_t i = 0;
    if (lignes.size() >= size_t(LignesParLot)) {
        if (!insertionParLot_)
            insertionParLot_ = std::make_unique<SqliteStatement>(base_, insertionParLot().c_str());
        SqliteStatement& r = *insertionParLot_;
        for (; i + LignesParLot <= lignes.size(); i += LignesParLot) {
            for (int k = 0; k < LignesParLot; ++k)
                lier(r, 1 + 10 * k, *lignes[i + k], premierTri + int(i) + k);
            r.runAndRewind();
        }
    }
    for (; i < lignes.size(); ++i)
        ecrireLigne(*lignes[i], premierTri + int(i));
}

void Catalogue::numeroter() {
    SqliteTransaction transaction(base_);
    SqliteStatement ordre(base_, "SELECT \"N°\" FROM Table1 ORDER BY Clef, \"N°\"");
    SqliteStatement miseAJour(base_, "UPDATE Table1 SET Tri = ?1 WHERE \"N°\" = ?2");
    std::int64_t compteur = 1;
    while (ordre.step()) {
        miseAJour.bind(1, compteur);
        miseAJour.bind(2, ordre.integer(0));
        miseAJour.run();
        ++compteur;
    }
    transaction.commit();
}

void Catalogue::ajouterListe(std::unique_ptr<SqliteStatement>& requete, const char* sql,
                             const QString& valeur) {
    if (!requete)
        requete = std::make_unique<SqliteStatement>(base_, sql);
    requete->bind(1, valeur);
    requete->run();
}

void Catalogue::ajouterMotTrouve(const QString& mot) {
    ajouterListe(insertionMot_, "INSERT INTO Table2 (MotsTrouves) VALUES (?1)", mot);
}

void Catalogue::ajouterAnneeTrouvee(const QString& annee) {
    ajouterListe(insertionAnnee_, "INSERT INTO Table3 (AnneesTrouvees) VALUES (?1)", annee);
}

void Catalogue::ajouterMoisTrouve(const QString& mois) {
    ajouterListe(insertionMois_, "INSERT INTO Table4 (MoisTrouves) VALUES (?1)", mois);
}

QStringList Catalogue::lireListe(const char* sql) {
    SqliteStatement r(base_, sql);
    QStringList liste;
    while (r.step())
        liste << r.text(0);
    return liste;
}

QStringList Catalogue::motsTrouves() {
    return lireListe("SELECT MotsTrouves FROM Table2 ORDER BY MotsTrouves");
}

QStringList Catalogue::anneesTrouvees() {
    return lireListe("SELECT AnneesTrouvees FROM Table3 ORDER BY AnneesTrouvees");
}

QStringList Catalogue::moisTrouves() {
    return lireListe("SELECT MoisTrouves FROM Table4 ORDER BY MoisTrouves");
}

int Catalogue::nombreEnregistrements() {
    SqliteStatement r(base_, "SELECT COUNT(*) FROM Table1");
    return r.step() ? static_cast<int>(r.integer(0)) : 0;
}
