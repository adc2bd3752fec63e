#pragma once

#include <QByteArray>
#include <QList>

// Hand-made EXIF segments for the tests, in either byte order, written independently of the writer
// under test: each directory is laid out by the test itself.
class FabriqueTiff {
public:
    explicit FabriqueTiff(bool grosBoutiste) : mm_(grosBoutiste) {}

    QByteArray n16(quint32 n) const;
    QByteArray n32(quint32 n) const;
    // One 12-byte entry; champ is the 4-byte value field as it stands in the file.
    QByteArray entree(quint16 tag, quint16 type, quint32 count, const QByteArray& champ) const;
    QByteArray entree(quint16 tag, quint16 type, quint32 count, quint32 offset) const {
        return entree(tag, type, count, n32(offset));
    }
    // A directory: count, entries, next-directory offset.
    QByteArray repertoire(const QList<QByteArray>& entrees, quint32 suivant = 0) const;
    // The TIFF header ("II*\0" or "MM\0*") and the IFD0 offset.
    QByteArray entete(quint32 offsetIfd0 = 8) const;
    // The APP1 segment around TIFF bytes: FF E1, length, "Exif", 0, 0.
    static QByteArray app1(const QByteArray& tiff);

private:
    bool mm_;
};
