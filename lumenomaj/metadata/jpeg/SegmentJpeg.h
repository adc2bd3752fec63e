#pragma once

#include <QtGlobal>

// One segment of the file before the image data, kept as its place in the source file.
struct SegmentJpeg {
    quint8 code = 0;      // the byte after 0xFF: 0xE0 for APP0, 0xDB for DQT …
    quint16 longueur = 0; // the big-endian length field: counts itself and the payload, not the marker
    quint32 position = 0; // 0-based offset of the marker's 0xFF in the source file

    qint64 tailleTotale() const { return qint64(longueur) + 2; }
};
