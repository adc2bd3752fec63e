#include "CopieOctets.h"

#include <cstring>

void CopieOctets(void* destination, const void* source, qsizetype n, int mode) {
    if (n <= 0) {
        return;
    }
    auto* vers = static_cast<unsigned char*>(destination);
    const auto* depuis = static_cast<const unsigned char*>(source);
    if (mode == 1) {
        std::memmove(vers, depuis, static_cast<size_t>(n));
    } else if (mode == 0) {
        // Through a copy, so that a reversal in place works as well.
        unsigned char tampon[16];
        if (n <= qsizetype(sizeof tampon)) {
            std::memcpy(tampon, depuis, static_cast<size_t>(n));
            for (qsizetype i = 0; i < n; ++i) {
                vers[i] = tampon[n - 1 - i];
            }
        } else {
            for (qsizetype i = 0, j = n - 1; i < j; ++i, --j) {
                const unsigned char a = depuis[i];
                const unsigned char b = depuis[j];
                vers[i] = b;
                vers[j] = a;
            }
        }
    }
}
