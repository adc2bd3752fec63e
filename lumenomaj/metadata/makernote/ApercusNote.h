#pragma once

#include <BlocExif.h>

// Some cameras store the preview image that their maker note points to after the note, elsewhere in
// the EXIF segment, where no directory of the segment describes it: rebuilding the segment would drop
// it. This appends each such block to the note's own bytes and points the note at its new place, so the
// preview travels with the note. segment is the APP1 segment the record was read from (index 0 = the
// 0xFF of its marker). Blocks already inside the note, or not wholly inside the segment, are left
// alone.
void rattacherApercus(BlocExif& bloc, const QByteArray& segment);
