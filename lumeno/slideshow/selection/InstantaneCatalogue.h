#pragma once

#include "ActPhoto.h"

#include <cstdint>
#include <vector>

class SqliteDatabase;
struct sqlite3;

// The fields the selection tests (N°, Nom, Rep, Annee, Mois, Type, Rab, Tri, Mots) of every
// catalogue row, in key order, held in memory. A search walks this copy instead of stepping the
// database row by row: the catalogue changes only through a scan or an edit of a row, and the copy
// is read again whenever the database reports a change since it was taken.
class InstantaneCatalogue {
public:
    // Reads the rows again when the database changed (or is another file) since the last reading.
    // Throws SqliteError when the catalogue cannot be read.
    void actualiser(SqliteDatabase& base);

    // Rows in key order: Nom and Rep without their trailing spaces, as the record reader gives them.
    const std::vector<ActPhoto>& fiches() const { return fiches_; }

    // Index of the first row whose Tri is at least tri (rows are in Tri order once numbered).
    std::size_t premierDepuis(int tri) const;

private:
    struct Version {
        sqlite3* base = nullptr;
        std::int64_t dataVersion = -1;
        std::int64_t changements = -1;
        bool operator==(const Version&) const = default;
    };
    static Version versionDe(SqliteDatabase& base);

    std::vector<ActPhoto> fiches_;
    Version version_;
    bool triCroissant_ = true;
};
