#pragma once

#include "BlocExif.h"

#include <QString>
#include <functional>

// How the writer places the maker note. Many maker notes hold offsets counted from the TIFF header:
// moving such a note breaks them unless they are rewritten.
struct PlacementNoteFabricant {
    // Keep the note at the place it was read from when the rest of the segment can be laid out
    // around it (the note's bytes then stay valid as they are).
    bool garderPosition = true;
    // Called when the note goes to a new place (positionTiff, from the TIFF header): returns the note's
    // bytes for that place. The maker-note code plugs its rebuild in here; unset, the bytes are
    // written as they were.
    std::function<QByteArray(const BlocExif& bloc, const EntreeIfd& note, quint32 positionTiff)> reconstruire;
};

// Builds the whole APP1 segment from its marker on, in the record's byte order (a record without
// EXIF gets "Exif", 0, 0 and "II"). Every offset and count is recomputed and written back into the
// record. The ExifOffset, GPSInfo and Interoperability pointer entries exist exactly when their
// directory has entries (they are added or removed here). Returns an empty array when IFD0 and IFD1
// hold no entry, and also, with a French message in *erreur, when the segment would exceed the
// 65535-byte limit of a JPEG segment.
QByteArray construireApp1(BlocExif& bloc, const PlacementNoteFabricant& placement = {},
                          QString* erreur = nullptr);
