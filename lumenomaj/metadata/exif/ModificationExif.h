#pragma once

#include "BlocExif.h"

#include <QString>
#include <QVariant>

// Changes to a BlocExif before it is written back. Data stay little-endian in the record.

// Sets an entry of the directory chosen by selecteur (0 IFD0, 1 IFD1, -1 Exif, -2 GPS, -3 Interop).
// The XP tags 40091 to 40095 go to definirTexteXp whatever the selector; an empty value removes the
// entry. The value is a scalar or a QVariantList of components (two consecutive elements a RATIONAL);
// an ASCII value is a text, stored in UTF-8 followed by a zero. The data take nombreOctets bytes;
// ordre 1 keeps multi-byte numbers as they are, 0 reverses them. An existing entry is changed in
// place, a new one appended at the end of its directory.
void definirEntree(BlocExif& bloc, int selecteur, quint32 tag, quint16 type, const QVariant& valeur,
                   int nombreOctets, int ordre = 1);

// An ASCII entry holding the text (UTF-8) and its terminating zero; an empty text removes it.
void definirTexteExif(BlocExif& bloc, int selecteur, quint32 tag, const QString& texte);

// Removes the entry with that tag from the directory; nothing happens when it is absent.
void supprimerEntree(BlocExif& bloc, int selecteur, quint32 tag);

// Sets an XP field of IFD0 (40091 title, 40092 comment, 40093 author, 40094 keywords, 40095 subject):
// BYTE data holding the text in UTF-16 little-endian and a zero unit. An empty text removes it.
void definirTexteXp(BlocExif& bloc, quint32 tag, const QString& texte);

// The XP tags.
enum TagXp : quint32 {
    TagXpTitre = 40091,
    TagXpCommentaire = 40092,
    TagXpAuteur = 40093,
    TagXpMotsCles = 40094,
    TagXpSujet = 40095,
};
