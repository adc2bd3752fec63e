#pragma once

#include <QString>

#include <array>

// The forms under which a search word is looked for in names and folder paths.
namespace FormesMot {

// Accent folding of the search words: é è ê ë → e, à â → a, ç → c, ô ö → o, î ï → i, ü ù û → u,
// Î → I; every other character stays.
QString plier(const QString& mot);

// First letter of each word upper case, the rest lower case (words are separated by blanks).
QString capitalise(const QString& texte);

// The eight forms in order: w, upper(w), lower(w), capitalised(w), then the same four of the
// folded word.
std::array<QString, 8> huitFormes(const QString& mot);

// The word chosen in the word list: a typed text (index -1) is trimmed and its first letter a to z
// raised; an entry of the list is taken as it stands. Empty when no word is set: the first entry
// (" ") or an empty typed text.
QString motListe(const QString& texte, int index);

} // namespace FormesMot
