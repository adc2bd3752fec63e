#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

// Value types of a directory entry.
enum TypeExif : quint16 {
    ExifByte = 1,
    ExifAscii = 2,
    ExifShort = 3,
    ExifLong = 4,
    ExifRational = 5,
    ExifSByte = 6,
    ExifUndefined = 7,
    ExifSShort = 8,
    ExifSLong = 9,
    ExifSRational = 10,
    ExifFloat = 11,
    ExifDouble = 12,
    ExifIfd = 13, // a directory offset, held like a LONG
};

// Bytes per component; 0 for a type this program does not know.
int tailleComposant(quint16 type);

// One entry of a directory. The data hold every component in little-endian order whatever the byte
// order of the file. An entry of unknown type keeps its count and the 4 bytes of its value field as
// they stand in the file.
struct EntreeIfd {
    quint32 tag = 0;
    quint16 type = 0;
    quint32 count = 0;
    quint32 valeur = 0; // the value-or-offset field, read as a number in the file's byte order
    QByteArray donnees;

    bool typeConnu() const { return tailleComposant(type) != 0; }
};

// One image file directory.
struct Ifd {
    quint32 offset = 0; // from the start of the TIFF header
    quint32 nombreEntrees = 0;
    QList<EntreeIfd> entrees; // in file order

    bool vide() const { return entrees.isEmpty(); }
    EntreeIfd* trouver(quint32 tag);
    const EntreeIfd* trouver(quint32 tag) const;
};

// Reverses every multi-byte component between little-endian and big-endian order (a RATIONAL as two
// 4-byte halves). The same call converts both ways.
QByteArray inverserComposants(const QByteArray& donnees, quint16 type);

// The first component as an unsigned integer (BYTE, SHORT, LONG, IFD and their signed forms); false
// when the entry holds no such component.
bool premierEntier(const EntreeIfd& entree, quint32* valeur);
