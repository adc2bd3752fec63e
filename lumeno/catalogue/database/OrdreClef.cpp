#include "OrdreClef.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace OrdreClef {

namespace {

inline unsigned char replie(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}

} // namespace

int comparer(const QByteArray& a, const QByteArray& b) {
    const qsizetype n = std::min(a.size(), b.size());
    const auto* pa = reinterpret_cast<const unsigned char*>(a.constData());
    const auto* pb = reinterpret_cast<const unsigned char*>(b.constData());
    // Keys of one folder share a long start: equal stretches are skipped eight bytes at a time.
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t x;
        std::uint64_t y;
        std::memcpy(&x, pa + i, 8);
        std::memcpy(&y, pb + i, 8);
        if (x != y)
            break;
    }
    for (; i < n; ++i) {
        const int d = int(replie(pa[i])) - int(replie(pb[i]));
        if (d != 0)
            return d;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

namespace {

// UTF-16 code units put in code point order: surrogates (U+D800-DFFF, the halves of the code
// points above U+FFFF) go after U+E000-FFFF, as those code points do.
inline char16_t ordonne(char16_t c) {
    if (c >= u'A' && c <= u'Z')
        return char16_t(c + 32);
    if (c >= 0xD800) {
        if (c < 0xE000)
            return char16_t(c + 0x2000);
        return char16_t(c - 0x800);
    }
    return c;
}

} // namespace

int comparer(const QString& a, const QString& b) {
    const qsizetype n = std::min(a.size(), b.size());
    const char16_t* pa = reinterpret_cast<const char16_t*>(a.constData());
    const char16_t* pb = reinterpret_cast<const char16_t*>(b.constData());
    for (qsizetype i = 0; i < n; ++i) {
        if (pa[i] != pb[i]) {
            const int d = int(ordonne(pa[i])) - int(ordonne(pb[i]));
            if (d != 0)
                return d;
        }
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

QByteArray formeRepliee(const QString& clef) {
    QByteArray octets = clef.toUtf8();
    for (char& c : octets)
        c = char(replie(static_cast<unsigned char>(c)));
    return octets;
}

} // namespace OrdreClef
