#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The line files of the program folder (command file, markers, logs): Windows-1252 with CR LF. A
// line the code page cannot hold makes the whole file UTF-8 with a byte-order mark, so nothing is
// lost; readers accept both encodings and both CR LF and LF.
namespace LignesTexte {

struct Lecture {
    bool ok = false;    // false when the file could not be opened or read
    QStringList lignes; // without their line ends
};

Lecture lire(const QString& chemin);

// Decodes the bytes of a whole file as lire() does; a final line end adds no empty line.
QStringList decoder(const QByteArray& contenu);

// The bytes the writer stores for these lines, each followed by CR LF.
QByteArray encoder(const QStringList& lignes);

// Writes through a temporary file renamed over the target: a failed write keeps the old file.
bool ecrire(const QString& chemin, const QStringList& lignes, QString* erreur = nullptr);

// Appends lines (the logs), in the encoding the file already has; creates the file when absent.
bool ajouter(const QString& chemin, const QStringList& lignes, QString* erreur = nullptr);

} // namespace LignesTexte
