#pragma once

#include <QString>
#include <QStringList>

// The program's text files: one value per line, Windows-1252 with CR LF. A text that the code page
// cannot hold (a Japanese file name, say) is written as UTF-8 with a byte-order mark instead, so
// nothing is lost; readers accept both encodings and both CR LF and LF.
namespace TexteFichier {

struct Lecture {
    bool ok = false;    // false when the file could not be opened or read
    QStringList lignes; // without their line ends
};

// Reads every line. A final line end does not add an empty line.
Lecture lire(const QString& chemin);

// Decodes the bytes of a whole file as lire() does.
QStringList decoder(const QByteArray& contenu);

// Encodes lines as the writer stores them (each followed by CR LF).
QByteArray encoder(const QStringList& lignes);

// Writes the lines through a temporary file beside the target, renamed over it at the end: a failed
// write keeps the previous file. Returns false on failure, with the reason in *erreur when given.
bool ecrire(const QString& chemin, const QStringList& lignes, QString* erreur = nullptr);

// Appends lines to the file (log files), creating it when absent.
bool ajouter(const QString& chemin, const QStringList& lignes);

} // namespace TexteFichier
