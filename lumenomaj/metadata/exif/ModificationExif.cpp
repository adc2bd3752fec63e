#include "ModificationExif.h"

#include "TexteExif.h"

#include <QtEndian>
#include <cstring>

namespace {

bool estXp(quint32 tag) {
    return tag >= TagXpTitre && tag <= TagXpSujet;
}

EntreeIfd& trouverOuAjouter(Ifd& ifd, quint32 tag) {
    if (EntreeIfd* entree = ifd.trouver(tag)) {
        return *entree;
    }
    ifd.entrees.append(EntreeIfd{tag, 0, 0, 0, {}});
    ifd.nombreEntrees = quint32(ifd.entrees.size());
    return ifd.entrees.last();
}

bool valeurVide(const QVariant& valeur) {
    if (!valeur.isValid() || valeur.isNull()) {
        return true;
    }
    if (valeur.typeId() == QMetaType::QString) {
        return valeur.toString().isEmpty();
    }
    if (valeur.typeId() == QMetaType::QByteArray) {
        return valeur.toByteArray().isEmpty();
    }
    if (valeur.typeId() == QMetaType::QVariantList) {
        return valeur.toList().isEmpty();
    }
    return false;
}

// Writes one number of 1, 2, 4 or 8 bytes, little-endian.
void ecrireComposant(const QVariant& element, quint16 type, char* vers) {
    switch (type) {
    case ExifFloat:
        qToLittleEndian<float>(element.toFloat(), vers);
        break;
    case ExifDouble:
        qToLittleEndian<double>(element.toDouble(), vers);
        break;
    case ExifShort:
    case ExifSShort:
        qToLittleEndian<quint16>(quint16(element.toLongLong()), vers);
        break;
    default: // LONG, SLONG, IFD and the halves of a RATIONAL
        qToLittleEndian<quint32>(quint32(element.toLongLong()), vers);
        break;
    }
}

} // namespace

void supprimerEntree(BlocExif& bloc, int selecteur, quint32 tag) {
    Ifd* ifd = bloc.repertoire(selecteur);
    if (ifd == nullptr) {
        return;
    }
    ifd->entrees.removeIf([tag](const EntreeIfd& e) { return e.tag == tag; });
    ifd->nombreEntrees = quint32(ifd->entrees.size());
}

void definirTexteXp(BlocExif& bloc, quint32 tag, const QString& texte) {
    if (texte.isEmpty()) {
        supprimerEntree(bloc, SelecteurIfd0, tag);
        return;
    }
    EntreeIfd& entree = trouverOuAjouter(bloc.ifd0, tag);
    entree.type = ExifByte;
    entree.donnees = QByteArray(texte.size() * 2 + 2, '\0');
    for (qsizetype i = 0; i < texte.size(); ++i) {
        qToLittleEndian<quint16>(texte.at(i).unicode(), entree.donnees.data() + 2 * i);
    }
    entree.count = quint32(entree.donnees.size());
}

void definirTexteExif(BlocExif& bloc, int selecteur, quint32 tag, const QString& texte) {
    definirEntree(bloc, selecteur, tag, ExifAscii, texte, int(texte.toUtf8().size()) + 1);
}

void definirEntree(BlocExif& bloc, int selecteur, quint32 tag, quint16 type, const QVariant& valeur,
                   int nombreOctets, int ordre) {
    if (estXp(tag)) {
        definirTexteXp(bloc, tag, valeur.toString());
        return;
    }
    Ifd* ifd = bloc.repertoire(selecteur);
    if (ifd == nullptr) {
        return;
    }
    if (valeurVide(valeur) || nombreOctets <= 0) {
        supprimerEntree(bloc, selecteur, tag);
        return;
    }
    EntreeIfd& entree = trouverOuAjouter(*ifd, tag);
    entree.type = type;
    entree.donnees = QByteArray(nombreOctets, '\0');
    char* p = entree.donnees.data();
    const int taille = tailleComposant(type);

    if (type == ExifAscii) {
        const QByteArray octets = valeur.toString().toUtf8() + '\0';
        std::memcpy(p, octets.constData(), qMin<qsizetype>(octets.size(), nombreOctets));
    } else if (type == ExifByte || type == ExifSByte || type == ExifUndefined) {
        if (valeur.typeId() == QMetaType::QByteArray) {
            const QByteArray octets = valeur.toByteArray();
            std::memcpy(p, octets.constData(), qMin<qsizetype>(octets.size(), nombreOctets));
        } else if (valeur.typeId() == QMetaType::QVariantList) {
            const QVariantList elements = valeur.toList();
            for (qsizetype i = 0; i < qMin<qsizetype>(elements.size(), nombreOctets); ++i) {
                p[i] = char(elements.at(i).toInt());
            }
        } else {
            p[0] = char(valeur.toInt());
        }
    } else if (taille > 0) {
        // RATIONALs take their numerator and denominator from consecutive elements.
        const int pas = (type == ExifRational || type == ExifSRational) ? 4 : taille;
        const quint16 typeElement = pas == 4 && taille == 8 ? quint16(ExifLong) : type;
        const QVariantList elements =
            valeur.typeId() == QMetaType::QVariantList ? valeur.toList() : QVariantList{valeur};
        for (qsizetype i = 0; i < elements.size() && (i + 1) * pas <= nombreOctets; ++i) {
            ecrireComposant(elements.at(i), typeElement, p + i * pas);
        }
        if (ordre == 0) {
            entree.donnees = inverserComposants(entree.donnees, type);
        }
    }
    entree.count = taille > 0 ? quint32(entree.donnees.size() / taille) : quint32(entree.donnees.size());
}
