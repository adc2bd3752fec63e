#include "OrdreClef.h"

#include <algorithm>

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
    for (qsizetype i = 0; i < n; ++i) {
        const int d = int(replie(pa[i])) - int(replie(pb[i]));
        if (d != 0)
            return d;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

} // namespace OrdreClef
