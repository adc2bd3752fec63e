#pragma once

#include <EcrivainExif.h>

// The bytes of the maker note for its new place, positionTiff from the TIFF header. Notes whose
// offsets count from the TIFF header get every such offset moved by the distance the note moves; all
// other bytes stay as they are (padding, blocks no entry points to, sub-structures), so the note reads
// exactly as before. Notes whose offsets count from the note itself or from its own TIFF header, and
// notes this program cannot read, come back unchanged.
QByteArray reconstruireNote(const BlocExif& bloc, const EntreeIfd& note, quint32 positionTiff);

// How the EXIF writer places the maker note: at the place it was read from whenever the segment can
// be laid out around it (nothing in it changes then), else at a new place through reconstruireNote.
PlacementNoteFabricant placementNoteFabricant();
