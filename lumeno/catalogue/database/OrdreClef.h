#pragma once

#include <QByteArray>
#include <QString>

// The catalogue order: Clef ascending, compared the way the database compares that column
// (UTF-8 bytes, ASCII letters without regard to case, a prefix before the longer text). Sorting in
// memory with this order gives exactly the order of "ORDER BY Clef".
namespace OrdreClef {

// Negative, zero or positive as a sorts before, with or after b.
int comparer(const QByteArray& a, const QByteArray& b);

inline bool avant(const QByteArray& a, const QByteArray& b) {
    return comparer(a, b) < 0;
}

inline QByteArray forme(const QString& clef) {
    return clef.toUtf8();
}

// The same order on the texts themselves, without converting them: code units are compared in
// code point order (as UTF-8 bytes compare), ASCII capitals lowered.
int comparer(const QString& a, const QString& b);
inline bool avant(const QString& a, const QString& b) {
    return comparer(a, b) < 0;
}

// The key with its ASCII capitals lowered: plain byte order of these forms (QByteArray's <) is the
// key order, which makes sorting many keys cheaper.
QByteArray formeRepliee(const QString& clef);

} // namespace OrdreClef
