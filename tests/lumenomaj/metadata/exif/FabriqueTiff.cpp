#include "FabriqueTiff.h"

#include <QtEndian>

QByteArray FabriqueTiff::n16(quint32 n) const {
    QByteArray b(2, '\0');
    mm_ ? qToBigEndian<quint16>(quint16(n), b.data()) : qToLittleEndian<quint16>(quint16(n), b.data());
    return b;
}

QByteArray FabriqueTiff::n32(quint32 n) const {
    QByteArray b(4, '\0');
    mm_ ? qToBigEndian<quint32>(n, b.data()) : qToLittleEndian<quint32>(n, b.data());
    return b;
}

QByteArray FabriqueTiff::entree(quint16 tag, quint16 type, quint32 count, const QByteArray& champ) const {
    return n16(tag) + n16(type) + n32(count) + champ.leftJustified(4, '\0', true);
}

QByteArray FabriqueTiff::repertoire(const QList<QByteArray>& entrees, quint32 suivant) const {
    QByteArray r = n16(quint32(entrees.size()));
    for (const QByteArray& e : entrees) {
        r += e;
    }
    return r + n32(suivant);
}

QByteArray FabriqueTiff::entete(quint32 offsetIfd0) const {
    return (mm_ ? QByteArray("MM") : QByteArray("II")) + n16(42) + n32(offsetIfd0);
}

QByteArray FabriqueTiff::app1(const QByteArray& tiff) {
    QByteArray s("\xFF\xE1", 2);
    const int longueur = int(tiff.size()) + 8;
    s.append(char(longueur >> 8)).append(char(longueur & 0xFF));
    return s + QByteArray("Exif\0\0", 6) + tiff;
}
