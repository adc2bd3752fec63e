#pragma once

#include "EntreeIfd.h"

#include <QByteArray>
#include <QStringList>

// Directory selectors of the setters.
enum SelecteurIfd : int {
    SelecteurIfd0 = 0,
    SelecteurIfd1 = 1,
    SelecteurExif = -1,
    SelecteurGps = -2,
    SelecteurInterop = -3,
};

// Tags that link the directories, and those of the thumbnail.
enum TagLien : quint32 {
    TagExifOffset = 34665,
    TagGpsInfo = 34853,
    TagInteropOffset = 40965,
    TagMakerNote = 37500,
    TagJpegIfOffset = 513,
    TagJpegIfByteCount = 514,
    TagStripOffsets = 273,
    TagStripByteCounts = 279,
};

// The EXIF record of one photo: the TIFF header, the directories with their values normalised to
// little-endian, the thumbnail and the maker note (kept as the bytes of the MakerNote entry of the
// Exif directory).
struct BlocExif {
    quint32 longueurSegment = 0; // the APP1 length field; 0 when the photo had no EXIF
    QByteArray identifiant;      // the 7 bytes after the length ("Exif", 0, 0, first TIFF byte)
    quint16 ordreOctets = 0;     // 0x4949 "II" little-endian, 0x4D4D "MM" big-endian
    Ifd ifd0;                    // main image
    Ifd ifd1;                    // thumbnail
    Ifd exif;
    Ifd gps;
    Ifd interop;
    QByteArray miniature; // the thumbnail JPEG described by IFD1

    // Filled by the maker-note reader; left empty here.
    Ifd noteFabricant;
    qint32 fabricant = 0;
    qint32 typeNote = 0;

    // Where the MakerNote data stood when read (from the TIFF header) and their length then: the
    // writer keeps the note at that place when it can, so the offsets inside it stay true.
    quint32 positionNoteLue = 0;
    quint32 longueurNoteLue = 0;

    // What the reader had to leave out of a damaged segment, in French, for the logs.
    QStringList anomalies;

    bool grosBoutiste() const { return ordreOctets == 0x4D4D; }
    bool estVide() const { return ifd0.vide() && ifd1.vide(); }
    // The directory of a selector (0, 1, -1, -2, -3); nullptr for any other.
    Ifd* repertoire(int selecteur);
    const Ifd* repertoire(int selecteur) const;
};
