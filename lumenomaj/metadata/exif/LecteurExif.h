#pragma once

#include "BlocExif.h"

// Reads an EXIF APP1 segment (index 0 = the 0xFF of its marker) into a BlocExif. A damaged segment
// is read as far as it is sound: an entry whose data lie outside the segment is left out, a directory
// met twice is read once, and what was left out is named in BlocExif::anomalies. Never reads outside
// the bytes it is given.
BlocExif lireExif(const QByteArray& segment);
