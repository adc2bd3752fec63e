#include "FichierJpeg.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr qint64 premiereLecture = 64 * 1024;
constexpr qint64 tailleMaxiSegment = 65535; // the 16-bit length field counts itself and the payload

quint16 lireBigEndian16(const QByteArray& octets, qint64 position) {
    const auto* p = reinterpret_cast<const uchar*>(octets.constData()) + position;
    return quint16((p[0] << 8) | p[1]);
}

bool estExif(const QByteArray& octets, qint64 debutCharge, qint64 finDisponible) {
    static const char identifiant[] = {'E', 'x', 'i', 'f', '\0'};
    if (finDisponible - debutCharge < qint64(sizeof identifiant)) {
        return false;
    }
    return std::equal(identifiant, identifiant + sizeof identifiant, octets.constData() + debutCharge);
}

// A marker that is not a segment with a length: image data begins there.
bool commenceImage(uchar premier, uchar second) {
    return premier != 0xFF || second == 0x00 || second == 0xD8 || second == 0xD9 || second == 0x01 ||
           (second >= 0xD0 && second <= 0xD7);
}

void definirErreur(QString* erreur, const QString& texte) {
    if (erreur != nullptr) {
        *erreur = texte;
    }
}

QByteArray enteteSegment(uchar code, qint64 longueurCharge) {
    QByteArray entete(4, '\0');
    const qint64 longueur = longueurCharge + 2;
    entete[0] = char(0xFF);
    entete[1] = char(code);
    entete[2] = char((longueur >> 8) & 0xFF);
    entete[3] = char(longueur & 0xFF);
    return entete;
}

} // namespace

bool FichierJpeg::lire(const QString& chemin, QString* erreur) {
    *this = FichierJpeg();
    chemin_ = chemin;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        definirErreur(
            erreur,
            QStringLiteral("Impossible d'ouvrir le fichier %1 : %2").arg(chemin, fichier.errorString()));
        return false;
    }
    tailleSource_ = fichier.size();
    entete_ = fichier.read(qMin(tailleSource_, premiereLecture));
    if (entete_.size() < 2 || uchar(entete_[0]) != 0xFF || uchar(entete_[1]) != 0xD8) {
        definirErreur(erreur,
                      QStringLiteral("Le fichier %1 n'est pas une photo JPEG : il ne commence pas par FF D8.")
                          .arg(chemin));
        entete_.clear();
        return false;
    }
    // Reads further into the file when a segment goes past what was read so far.
    auto disponible = [&](qint64 fin) {
        fin = qMin(fin, tailleSource_);
        if (fin > entete_.size()) {
            const qint64 voulu = qMin(tailleSource_, qMax(fin, qint64(entete_.size()) * 2));
            entete_.append(fichier.read(voulu - entete_.size()));
        }
        return qint64(entete_.size());
    };

    qint64 pos = 2;
    bool exifTrouve = false;
    while (pos + 2 <= tailleSource_) {
        if (disponible(pos + 4) < pos + 2) {
            break;
        }
        if (uchar(entete_[pos]) == 0xFF && uchar(entete_[pos + 1]) == 0xFF) {
            ++pos; // a fill byte before a marker
            continue;
        }
        const uchar premier = uchar(entete_[pos]);
        const uchar code = uchar(entete_[pos + 1]);
        if (commenceImage(premier, code)) {
            // Image data without a start-of-scan segment before it is not a photo we can write back.
            break;
        }
        if (entete_.size() < pos + 4) {
            break; // the file ends inside the length field
        }
        const quint16 longueur = lireBigEndian16(entete_, pos + 2);
        if (longueur < 2) {
            break; // a broken length: nothing sound follows
        }
        const qint64 fin = pos + 2 + longueur;
        const qint64 finLue = disponible(fin);
        const bool complet = finLue >= fin;
        if (code == 0xE1 && !exifTrouve && estExif(entete_, pos + 4, finLue)) {
            // The first EXIF segment is the photo's EXIF; a later one is kept as it stands.
            exif_ = entete_.mid(pos, qMin(fin, finLue) - pos);
            exifTrouve = true;
        } else if (code == 0xED) {
            app13_.append(entete_.mid(pos + 4, qMin(fin, finLue) - pos - 4));
        } else if (complet) {
            segments_.append(SegmentJpeg{code, longueur, quint32(pos)});
        }
        if (!complet) {
            break; // the file ends inside this segment
        }
        pos = fin;
        if (code == 0xDA) {
            // The entropy-coded data follow the start-of-scan header.
            positionImage_ = pos;
            break;
        }
    }
    if (positionImage_ > 0) {
        entete_.truncate(positionImage_);
    }
    return true;
}

void FichierJpeg::remplacerApp13(const QByteArray& charge) {
    app13_.clear();
    if (!charge.isEmpty()) {
        app13_.append(charge);
    }
}

void FichierJpeg::remplacerApp13(const QList<QByteArray>& charges) {
    app13_.clear();
    for (const QByteArray& charge : charges) {
        if (!charge.isEmpty()) {
            app13_.append(charge);
        }
    }
}

QByteArray FichierJpeg::octetsSegment(const SegmentJpeg& segment) const {
    if (qint64(segment.position) + segment.tailleTotale() > entete_.size()) {
        return {};
    }
    return entete_.mid(segment.position, segment.tailleTotale());
}

bool FichierJpeg::ecrire(const QString& cible, QString* erreur) const {
    const QString refus = QStringLiteral("La photo %1 n'est pas enregistrée : %2");
    if (!aDesDonneesImage()) {
        definirErreur(erreur, refus.arg(cible, QStringLiteral("elle n'a pas de données d'image.")));
        return false;
    }
    if (!exif_.isEmpty()) {
        if (exif_.size() - 2 > tailleMaxiSegment) {
            definirErreur(erreur,
                          refus.arg(cible, QStringLiteral("les données EXIF dépassent la taille permise "
                                                          "d'un segment JPEG (65535 octets).")));
            return false;
        }
        if (exif_.size() < 4 || uchar(exif_[0]) != 0xFF || uchar(exif_[1]) != 0xE1 ||
            qint64(lireBigEndian16(exif_, 2)) + 2 != exif_.size()) {
            definirErreur(erreur, refus.arg(cible, QStringLiteral("le segment EXIF est incomplet.")));
            return false;
        }
    }
    for (const QByteArray& charge : app13_) {
        if (charge.size() + 2 > tailleMaxiSegment) {
            definirErreur(erreur,
                          refus.arg(cible, QStringLiteral("les données IPTC dépassent la taille permise "
                                                          "d'un segment JPEG (65535 octets).")));
            return false;
        }
    }

    QFile source(chemin_);
    if (!source.open(QIODevice::ReadOnly)) {
        definirErreur(
            erreur,
            refus.arg(cible,
                      QStringLiteral("impossible de relire %1 (%2).").arg(chemin_, source.errorString())));
        return false;
    }
    if (source.size() != tailleSource_ || !source.seek(positionImage_)) {
        definirErreur(
            erreur,
            refus.arg(cible, QStringLiteral("le fichier %1 a changé depuis sa lecture.").arg(chemin_)));
        return false;
    }

    QSaveFile sortie(cible);
    if (!sortie.open(QIODevice::WriteOnly)) {
        definirErreur(erreur, refus.arg(cible, sortie.errorString()));
        return false;
    }
    QByteArray debut;
    debut.reserve(entete_.size() + exif_.size() + 1024);
    debut.append(char(0xFF)).append(char(0xD8));
    for (const QByteArray& charge : app13_) {
        debut.append(enteteSegment(0xED, charge.size())).append(charge);
    }
    debut.append(exif_);
    for (const SegmentJpeg& segment : segments_) {
        debut.append(entete_.constData() + segment.position, segment.tailleTotale());
    }
    bool reussi = sortie.write(debut) == debut.size();

    qint64 reste = tailleSource_ - positionImage_;
    QByteArray tampon;
    while (reussi && reste > 0) {
        tampon = source.read(qMin<qint64>(reste, 4 * 1024 * 1024));
        if (tampon.isEmpty()) {
            break;
        }
        reussi = sortie.write(tampon) == tampon.size();
        reste -= tampon.size();
    }
    if (!reussi || reste != 0) {
        sortie.cancelWriting();
        definirErreur(erreur,
                      refus.arg(cible, reste != 0 ? QStringLiteral("la lecture de %1 a échoué.").arg(chemin_)
                                                  : sortie.errorString()));
        return false;
    }
    if (!sortie.commit()) {
        definirErreur(erreur, refus.arg(cible, sortie.errorString()));
        return false;
    }
    return true;
}
