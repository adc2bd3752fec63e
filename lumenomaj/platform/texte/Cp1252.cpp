#include "Cp1252.h"

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr char16_t kHaut[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int octetDe(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i) {
        if (kHaut[i] == u)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

namespace Cp1252 {

QString decoder(const QByteArray& octets) {
    QString texte;
    texte.reserve(octets.size());
    for (char c : octets) {
        const auto b = static_cast<unsigned char>(c);
        texte.append(b >= 0x80 && b <= 0x9F ? QChar(kHaut[b - 0x80]) : QChar(b));
    }
    return texte;
}

bool encodable(const QString& texte) {
    for (QChar c : texte) {
        if (octetDe(c) < 0)
            return false;
    }
    return true;
}

QByteArray encoder(const QString& texte) {
    QByteArray octets;
    octets.reserve(texte.size());
    for (QChar c : texte) {
        const int b = octetDe(c);
        octets.append(static_cast<char>(b < 0 ? '?' : b));
    }
    return octets;
}

} // namespace Cp1252
