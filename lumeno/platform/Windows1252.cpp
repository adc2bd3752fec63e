#include "Windows1252.h"

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr char16_t kHighTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int byteFor(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i) {
        if (kHighTable[i] == u)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

namespace Windows1252 {

QString decode(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        out.append(b >= 0x80 && b <= 0x9F ? QChar(kHighTable[b - 0x80]) : QChar(b));
    }
    return out;
}

bool canEncode(const QString& text) {
    for (QChar c : text) {
        if (byteFor(c) < 0)
            return false;
    }
    return true;
}

QByteArray encode(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = byteFor(c);
        out.append(static_cast<char>(b < 0 ? '?' : b));
    }
    return out;
}

} // namespace Windows1252
