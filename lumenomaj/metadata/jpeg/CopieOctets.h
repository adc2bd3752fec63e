#pragma once

#include <QtGlobal>

// Byte copy used by the EXIF and IPTC code: mode 1 copies n bytes unchanged, mode 0 copies them in
// reverse order (a big-endian number becomes the little-endian form held in memory, and back), any
// other mode copies nothing.
void CopieOctets(void* destination, const void* source, qsizetype n, int mode);
