#pragma once

#include <QByteArray>
#include <QtGlobal>

// What the data offsets of a maker note's entries count from.
enum class BaseOffsets {
    Tiff,       // the TIFF header of the EXIF segment: they change whenever the note moves
    DebutNote,  // the first byte of the note
    EnteteNote, // the note's own TIFF header, 10 bytes into the note
    Suite,      // none that can be trusted: the data follow the directory one after the other
};

// Where the directory of a maker note stands and how it is written.
struct DispositionNote {
    bool lisible = false; // false: the note is kept as bytes, its directory is not read
    qint32 position = 0;  // of the entry count, from the first byte of the note
    qint32 typeNote = 0;  // selects the label table for makers that have two
    bool grosBoutiste = false;
    BaseOffsets base = BaseOffsets::Tiff;
    // The directory ends with a 4-byte next-directory offset; some makers put the data right after the
    // entries.
    bool pointeurSuivant = true;
};

// The layout of a note from the maker code and the note's first bytes. grosBoutisteFichier is the
// byte order of the EXIF segment. The base returned is the usual one of the maker; the reader checks
// it against the note (see lireNoteFabricant).
DispositionNote dispositionNote(qint32 codeFabricant, const QByteArray& note, bool grosBoutisteFichier);
