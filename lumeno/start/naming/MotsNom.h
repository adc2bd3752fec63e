#pragma once

#include <QString>
#include <QStringList>

// The words of a file, taken from its folder words text and its base name: separators and digits
// become spaces, accents are folded, the text is cut where letters change case class, and each word
// of 3 characters or more is capitalised (PLAGE and plage give Plage, PlageNice gives Plage, Nice).

// Up to 20 words, in slot order (a 21st word and later ones take the first slots again).
QStringList extraireMots(const QString& texteMotsDossier, const QString& baseBourree);

// The text of the source after folding and trimming (before the cut into words).
QString plierTexte(const QString& texte);

// One word in its stored form: characters after the first lowered, a lower-case first letter raised.
QString capitaliser(const QString& mot);

// The catalogue's Mots text: each word followed by "-", leaving out any word that would bring the
// text to 81 characters or more.
QString texteMots(const QStringList& mots);
