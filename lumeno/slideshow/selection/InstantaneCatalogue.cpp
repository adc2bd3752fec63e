#include "InstantaneCatalogue.h"

#include "Sqlite.h"

#include <QHash>

#include <sqlite3.h>

#include <algorithm>

namespace {

QString texte(sqlite3_stmt* s, int colonne) {
    const auto* octets = reinterpret_cast<const char*>(sqlite3_column_text(s, colonne));
    if (!octets)
        return {};
    return QString::fromUtf8(octets, sqlite3_column_bytes(s, colonne));
}

QString sansEspacesFinaux(QString t) {
    qsizetype n = t.size();
    while (n > 0 && t[n - 1] == QLatin1Char(' '))
        --n;
    t.truncate(n);
    return t;
}

// Folder paths, kinds and word lists repeat from row to row: one shared copy of each.
class Partage {
public:
    QString operator()(const QString& t) {
        auto it = textes_.constFind(t);
        if (it != textes_.constEnd())
            return *it;
        textes_.insert(t, t);
        return t;
    }

private:
    QHash<QString, QString> textes_;
};

} // namespace

InstantaneCatalogue::Version InstantaneCatalogue::versionDe(SqliteDatabase& base) {
    Version v;
    v.base = base.handle();
    v.changements = sqlite3_total_changes64(base.handle());
    SqliteStatement pragma(base, "PRAGMA data_version");
    if (pragma.step())
        v.dataVersion = pragma.integer(0);
    return v;
}

void InstantaneCatalogue::actualiser(SqliteDatabase& base) {
    const Version v = versionDe(base);
    if (v == version_)
        return;
    fiches_.clear();
    version_ = {};
    {
        // One allocation for every row: growing the table row by row would move it many times.
        SqliteStatement compte(base, "SELECT COUNT(*) FROM Table1");
        if (compte.step())
            fiches_.reserve(static_cast<std::size_t>(compte.integer(0)));
    }

    sqlite3* handle = base.handle();
    sqlite3_stmt* s = nullptr;
    // The UTF-8 text of the engine converts faster than its UTF-16 text: read the columns directly.
    if (sqlite3_prepare_v2(handle,
                           "SELECT \"N°\", Nom, Rep, Annee, Mois, Type, Rab, Tri, Mots FROM Table1 "
                           "ORDER BY Clef, \"N°\"",
                           -1, &s, nullptr) != SQLITE_OK)
        throw SqliteError(sqlite3_errcode(handle), sqlite3_errmsg(handle));
    Partage partage;
    int rc;
    triCroissant_ = true;
    int triPrecedent = 0;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
        ActPhoto& f = fiches_.emplace_back();
        f.Numero = sqlite3_column_int(s, 0);
        f.Nom = sansEspacesFinaux(texte(s, 1));
        f.Rep = partage(sansEspacesFinaux(texte(s, 2)));
        f.Annee = sqlite3_column_int(s, 3);
        f.Mois = sqlite3_column_int(s, 4);
        f.Type = partage(texte(s, 5));
        f.Rab = partage(texte(s, 6));
        f.Tri = sqlite3_column_int(s, 7);
        f.Mots = partage(texte(s, 8));
        if (f.Tri <= 0 || f.Tri < triPrecedent)
            triCroissant_ = false;
        triPrecedent = f.Tri;
    }
    const int code = sqlite3_errcode(handle);
    sqlite3_finalize(s);
    if (rc != SQLITE_DONE) {
        fiches_.clear();
        throw SqliteError(code, sqlite3_errmsg(handle));
    }
    version_ = v;
}

std::size_t InstantaneCatalogue::premierDepuis(int tri) const {
    if (tri <= 0)
        return 0;
    if (!triCroissant_)
        return 0; // not numbered yet: the per-record test does the work
    const auto it = std::lower_bound(fiches_.begin(), fiches_.end(), tri,
                                     [](const ActPhoto& f, int t) { return f.Tri < t; });
    return static_cast<std::size_t>(it - fiches_.begin());
}
