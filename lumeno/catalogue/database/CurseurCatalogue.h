#pragma once

#include "ActPhoto.h"
#include "Sqlite.h"

#include <QString>

#include <memory>

// What BddLit reports: 0 when the record was read, else an error number. 3021 means there is no
// current row (an empty catalogue, or a walk past the last row).
struct LectureBdd {
    static constexpr int PasDeLigneCourante = 3021;
    int erreur = 0;
    bool ok() const { return erreur == 0; }
};

// Texts of a failed read, for the caller's message labels.
namespace MessagesLectureBdd {
// "Erreur <n>-ActPhotoRep-<name>-<type>-" for the top label.
QString message(int erreur, const ActPhoto& act);
// The bottom-label text shown for any error other than "no current row".
QString messageBas();
} // namespace MessagesLectureBdd

// A forward cursor over Table1. Each ouvrir… call replaces the previous query and puts the
// cursor on its first row (eof() when there is none); suivant() moves one row on.
class CurseurCatalogue {
public:
    explicit CurseurCatalogue(SqliteDatabase& base);
    ~CurseurCatalogue();

    // "SELECT * FROM Table1 ORDER BY Clef ; ": the whole catalogue in key order, as numbered in
    // Tri (a scan always numbers its rows; see Catalogue::numeroter).
    void ouvrirOrdreClef();
    // The same walk, starting at the row whose position (Tri) is tri: the rows before it are
    // passed over by the index rather than read.
    void ouvrirOrdreClefDepuis(int tri);
    // "… WHERE Table1.Nom = <nom> ORDER BY Clef ; " with the name bound, never pasted in the text.
    // Trailing spaces do not count, so the name as BddLit gives it finds its row.
    void ouvrirNom(const QString& nom);
    // "SELECT * FROM Table1 WHERE Tri = <tri>": direct access by position.
    void ouvrirPosition(int tri);

    bool eof() const { return eof_; }
    void suivant();

    // BddLit: the current row into the record buffer, Nom and Rep without their trailing spaces.
    // On failure the buffer keeps what it held.
    LectureBdd BddLit(ActPhoto& act) const;

private:
    void ouvrir(const char* sql);
    void avancer();

    SqliteDatabase& base_;
    std::unique_ptr<SqliteStatement> requete_;
    bool eof_ = true;
    int erreur_ = 0;
};
