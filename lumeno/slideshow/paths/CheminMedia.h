#pragma once

#include <QString>

// The path of a catalogued file rebuilt from its record (folder, base name, extension).
//
// The catalogue stores a normalised extension (JpG becomes jpg, mov becomes MOV, MPEG becomes m99)
// and a final space of a base name as the character of code 2. On a case-sensitive file system the
// text rebuilt from the record may therefore miss the real file: fichierReel() finds it.
namespace CheminMedia {

// The base name as shown and as found on disk: a final character of code 2 becomes a space again.
QString nomReel(const QString& nom);

// Folder + "/" + name + "." + extension, with the marker turned back into a space; no doubled "/"
// when the folder is a root such as "/".
QString cheminTexte(const QString& rep, const QString& nom, const QString& type);

// The file on disk: the exact path when it exists; otherwise the file of that folder whose name
// matches case-insensitively, the extension m99 standing for mpeg. When nothing matches, the exact
// path text (the caller then reports the file as missing).
QString fichierReel(const QString& rep, const QString& nom, const QString& type);

} // namespace CheminMedia
