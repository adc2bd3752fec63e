#include "EntreeIfd.h"

#include <QtEndian>

int tailleComposant(quint16 type) {
    switch (type) {
    case ExifByte:
    case ExifAscii:
    case ExifSByte:
    case ExifUndefined:
        return 1;
    case ExifShort:
    case ExifSShort:
        return 2;
    case ExifLong:
    case ExifSLong:
    case ExifFloat:
    case ExifIfd:
        return 4;
    case ExifRational:
    case ExifSRational:
    case ExifDouble:
        return 8;
    default:
        return 0;
    }
}

EntreeIfd* Ifd::trouver(quint32 tag) {
    for (EntreeIfd& entree : entrees) {
        if (entree.tag == tag) {
            return &entree;
        }
    }
    return nullptr;
}

const EntreeIfd* Ifd::trouver(quint32 tag) const {
    return const_cast<Ifd*>(this)->trouver(tag);
}

QByteArray inverserComposants(const QByteArray& donnees, quint16 type) {
    int pas = tailleComposant(type);
    if (type == ExifRational || type == ExifSRational) {
        pas = 4;
    }
    if (pas <= 1) {
        return donnees;
    }
    QByteArray resultat = donnees;
    char* p = resultat.data();
    const qsizetype complet = resultat.size() - resultat.size() % pas;
    for (qsizetype i = 0; i < complet; i += pas) {
        std::reverse(p + i, p + i + pas);
    }
    return resultat;
}

bool premierEntier(const EntreeIfd& entree, quint32* valeur) {
    const auto* p = reinterpret_cast<const uchar*>(entree.donnees.constData());
    const int taille = tailleComposant(entree.type);
    if (entree.donnees.size() < taille) {
        return false;
    }
    switch (entree.type) {
    case ExifByte:
    case ExifSByte:
        *valeur = p[0];
        return true;
    case ExifShort:
    case ExifSShort:
        *valeur = qFromLittleEndian<quint16>(p);
        return true;
    case ExifLong:
    case ExifSLong:
    case ExifIfd:
        *valeur = qFromLittleEndian<quint32>(p);
        return true;
    default:
        return false;
    }
}
