#include "LecteurExif.h"

#include <QSet>
#include <QtEndian>

namespace {

// The TIFF header starts 10 bytes after the marker: every offset of the file counts from there.
constexpr qint64 baseTiff = 10;

class Lecteur {
public:
    Lecteur(const QByteArray& segment, BlocExif& bloc)
        : octets_(reinterpret_cast<const uchar*>(segment.constData())), taille_(segment.size()), bloc_(bloc) {
    }

    void lire() {
        if (taille_ < baseTiff + 8) {
            bloc_.anomalies << QStringLiteral("segment EXIF trop court");
            return;
        }
        bloc_.longueurSegment = qFromBigEndian<quint16>(octets_ + 2);
        bloc_.identifiant = QByteArray(reinterpret_cast<const char*>(octets_ + 4), 7);
        const quint16 ordre = qFromLittleEndian<quint16>(octets_ + baseTiff);
        if (ordre != 0x4949 && ordre != 0x4D4D) {
            bloc_.anomalies << QStringLiteral("ordre des octets inconnu");
            return;
        }
        bloc_.ordreOctets = ordre;
        grosBoutiste_ = ordre == 0x4D4D;

        const quint32 offsetIfd0 = nombre32(baseTiff + 4);
        const quint32 offsetIfd1 = lireIfd(offsetIfd0, bloc_.ifd0, QStringLiteral("IFD0"));
        if (const EntreeIfd* lien = bloc_.ifd0.trouver(TagExifOffset)) {
            lireSousIfd(*lien, bloc_.exif, QStringLiteral("Exif"));
        }
        if (const EntreeIfd* lien = bloc_.ifd0.trouver(TagGpsInfo)) {
            lireSousIfd(*lien, bloc_.gps, QStringLiteral("GPS"));
        }
        if (const EntreeIfd* lien = bloc_.exif.trouver(TagInteropOffset)) {
            lireSousIfd(*lien, bloc_.interop, QStringLiteral("Interop"));
        }
        if (const EntreeIfd* note = bloc_.exif.trouver(TagMakerNote)) {
            if (note->donnees.size() > 4) {
                bloc_.positionNoteLue = note->valeur;
                bloc_.longueurNoteLue = quint32(note->donnees.size());
            }
        }
        if (offsetIfd1 != 0) {
            if (dejaLu(offsetIfd1, QStringLiteral("IFD1"))) {
                return;
            }
            lireIfd(offsetIfd1, bloc_.ifd1, QStringLiteral("IFD1"));
            lireMiniature();
        }
    }

private:
    quint16 nombre16(qint64 position) const {
        return grosBoutiste_ ? qFromBigEndian<quint16>(octets_ + position)
                             : qFromLittleEndian<quint16>(octets_ + position);
    }
    quint32 nombre32(qint64 position) const {
        return grosBoutiste_ ? qFromBigEndian<quint32>(octets_ + position)
                             : qFromLittleEndian<quint32>(octets_ + position);
    }

    bool dejaLu(quint32 offset, const QString& nom) {
        if (lus_.contains(offset)) {
            bloc_.anomalies << QStringLiteral("%1 : répertoire déjà lu à l'offset %2").arg(nom).arg(offset);
            return true;
        }
        return false;
    }

    void lireSousIfd(const EntreeIfd& lien, Ifd& ifd, const QString& nom) {
        quint32 offset = lien.valeur;
        premierEntier(lien, &offset);
        if (!dejaLu(offset, nom)) {
            lireIfd(offset, ifd, nom);
        }
    }

    // Reads the directory at offset; returns the offset of the next directory (0 when none).
    quint32 lireIfd(quint32 offset, Ifd& ifd, const QString& nom) {
        lus_.insert(offset);
        const qint64 debut = baseTiff + qint64(offset);
        if (debut + 2 > taille_) {
            bloc_.anomalies << QStringLiteral("%1 : offset %2 hors du segment").arg(nom).arg(offset);
            return 0;
        }
        ifd.offset = offset;
        const quint16 annonce = nombre16(debut);
        const qint64 place = (taille_ - debut - 2) / 12;
        const qint64 nombre = qMin<qint64>(annonce, place);
        if (nombre < annonce) {
            bloc_.anomalies
                << QStringLiteral("%1 : %2 entrées annoncées, %3 lisibles").arg(nom).arg(annonce).arg(nombre);
        }
        ifd.entrees.reserve(nombre);
        for (qint64 i = 0; i < nombre; ++i) {
            lireEntree(debut + 2 + i * 12, ifd, nom);
        }
        ifd.nombreEntrees = quint32(ifd.entrees.size());
        const qint64 suivant = debut + 2 + qint64(annonce) * 12;
        return suivant + 4 <= taille_ ? nombre32(suivant) : 0;
    }

    void lireEntree(qint64 position, Ifd& ifd, const QString& nom) {
        EntreeIfd entree;
        entree.tag = nombre16(position);
        entree.type = nombre16(position + 2);
        entree.count = nombre32(position + 4);
        entree.valeur = nombre32(position + 8);
        const char* champ = reinterpret_cast<const char*>(octets_ + position + 8);
        const int taille = tailleComposant(entree.type);
        if (taille == 0) {
            // Unknown type: its size is unknown, so its value field is kept as it stands.
            entree.donnees = QByteArray(champ, 4);
            ifd.entrees.append(entree);
            return;
        }
        const qint64 longueur = qint64(entree.count) * taille;
        if (longueur <= 4) {
            entree.donnees = QByteArray(champ, longueur);
        } else {
            const qint64 debut = baseTiff + qint64(entree.valeur);
            if (debut + longueur > taille_) {
                bloc_.anomalies
                    << QStringLiteral("%1 : données du tag %2 hors du segment").arg(nom).arg(entree.tag);
                return;
            }
            entree.donnees = QByteArray(reinterpret_cast<const char*>(octets_ + debut), longueur);
        }
        if (grosBoutiste_) {
            entree.donnees = inverserComposants(entree.donnees, entree.type);
        }
        ifd.entrees.append(entree);
    }

    void lireMiniature() {
        quint32 longueur = 0;
        quint32 offset = 0;
        for (const EntreeIfd& entree : std::as_const(bloc_.ifd1.entrees)) {
            if (entree.tag == TagJpegIfByteCount || entree.tag == TagStripByteCounts) {
                premierEntier(entree, &longueur);
            } else if (entree.tag == TagJpegIfOffset || entree.tag == TagStripOffsets) {
                premierEntier(entree, &offset);
            }
        }
        if (longueur == 0) {
            return;
        }
        const qint64 debut = baseTiff + qint64(offset);
        if (debut + qint64(longueur) > taille_) {
            bloc_.anomalies << QStringLiteral("IFD1 : miniature hors du segment");
            return;
        }
        bloc_.miniature = QByteArray(reinterpret_cast<const char*>(octets_ + debut), longueur);
    }

    const uchar* octets_;
    qint64 taille_;
    BlocExif& bloc_;
    bool grosBoutiste_ = false;
    QSet<quint32> lus_;
};

} // namespace

BlocExif lireExif(const QByteArray& segment) {
    BlocExif bloc;
    Lecteur(segment, bloc).lire();
    return bloc;
}
