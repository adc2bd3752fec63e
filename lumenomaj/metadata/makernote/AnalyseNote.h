#pragma once

#include "DispositionNote.h"

#include <EntreeIfd.h>

#include <QList>

// One entry of a maker note with where it stands inside the note.
struct EntreeNote {
    EntreeIfd entree;        // data normalised to little-endian, like the EXIF directories
    qint64 position = 0;     // of the 12-byte entry, from the first byte of the note
    qint64 donnees = -1;     // of the data outside the value field; -1 when they stand in it
    bool offsetFaux = false; // the offset pointed outside the note: the data were taken after the
                             // directory instead
    bool illisible = false;  // its data could be found nowhere in the note
};

// A maker note taken apart: its layout as found (byte order and offset base checked against the
// note's own bytes) and its entries in note order. lue is false when the directory could not be read.
struct AnalyseNote {
    bool lue = false;
    DispositionNote disposition;
    QList<EntreeNote> entrees;
};

// Reads the directory of a maker note. positionNote is where the note's bytes stand, from the TIFF
// header of the EXIF segment (the base of most makers' offsets). Never reads outside the note.
AnalyseNote analyserNote(const QByteArray& note, qint32 codeFabricant, bool grosBoutisteFichier,
                         quint32 positionNote);
