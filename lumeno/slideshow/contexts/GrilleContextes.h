#pragma once

#include <QString>

#include <array>

// The in-memory copy of the contexts: a grid of text cells, row 0 the header, column 0 the row
// number, columns 1 to 6 the six fields of a line (folder, year from, month from, year to, month
// to, word). The editor shows it and edits it in place; the selection reads its criteria from it,
// never from the file.
class GrilleContextes {
public:
    static constexpr int kLignes = 202;               // rows 0 to 201
    static constexpr int kColonnes = 7;               // columns 0 to 6
    static constexpr int kDerniereLigneFichier = 200; // rows 1 to 200 are written to the file
    static constexpr int kLigneDebordement = 201;     // every file line past 199 lands here

    const QString& texte(int ligne, int colonne) const;
    void fixer(int ligne, int colonne, const QString& texte);
    void vider();

    // A header row starts a context: column 1 reads "CONTEXTE".
    bool estEntete(int ligne) const;
    // The context name of a header row, trailing spaces removed.
    QString nomContexte(int ligne) const;
    // Every field of columns 1 to 6 is empty or blank.
    bool estVide(int ligne) const;

private:
    std::array<std::array<QString, kColonnes>, kLignes> cellules_;
};

// The six column captions of the header row.
QString captionColonneContexte(int colonne);

// Removes trailing spaces only, as the names of contexts are compared.
QString sansEspacesFinaux(const QString& texte);
