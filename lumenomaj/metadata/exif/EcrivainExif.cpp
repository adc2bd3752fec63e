#include "EcrivainExif.h"

#include <QtEndian>
#include <cstring>

namespace {

constexpr qint64 baseTiff = 10;
constexpr qint64 tailleMaxiSegment = 65535;

qint64 tailleRepertoire(const Ifd& ifd) {
    return qint64(ifd.entrees.size()) * 12 + 6;
}

// The pointer entry of a directory exists exactly when the directory has entries.
void accorderLien(const Ifd& cible, Ifd& parent, quint32 tag) {
    EntreeIfd* lien = parent.trouver(tag);
    if (!cible.vide() && lien == nullptr) {
        parent.entrees.append(EntreeIfd{tag, ExifLong, 1, 0, {}});
    } else if (cible.vide() && lien != nullptr) {
        parent.entrees.removeIf([tag](const EntreeIfd& e) { return e.tag == tag; });
    }
    parent.nombreEntrees = quint32(parent.entrees.size());
}

// Places the blocks one after the other from the TIFF header on, around a reserved range (the maker
// note kept at its place).
class Placement {
public:
    void reserver(qint64 debut, qint64 fin) {
        reserveDebut_ = debut;
        reserveFin_ = fin;
    }
    qint64 placer(qint64 taille) {
        if (reserveFin_ > reserveDebut_ && position_ < reserveFin_ && position_ + taille > reserveDebut_) {
            position_ = reserveFin_ + (reserveFin_ & 1);
        }
        const qint64 ici = position_;
        position_ += taille + (taille & 1);
        return ici;
    }
    qint64 position() const { return position_; }
    qint64 fin() const { return qMax(position_, reserveFin_); }

private:
    qint64 position_ = 8;
    qint64 reserveDebut_ = 0;
    qint64 reserveFin_ = 0;
};

void ecrireNombre(quint32 nombre, int taille, bool grosBoutiste, char* vers) {
    if (taille == 2) {
        grosBoutiste ? qToBigEndian<quint16>(quint16(nombre), vers)
                     : qToLittleEndian<quint16>(quint16(nombre), vers);
    } else {
        grosBoutiste ? qToBigEndian<quint32>(nombre, vers) : qToLittleEndian<quint32>(nombre, vers);
    }
}

// Sets a SHORT or LONG entry holding one number (the thumbnail's offset and length).
void definirNombre(EntreeIfd& entree, quint32 nombre) {
    if (entree.type == ExifShort) {
        entree.donnees = QByteArray(2, '\0');
        qToLittleEndian<quint16>(quint16(nombre), entree.donnees.data());
    } else {
        entree.type = entree.type == ExifIfd ? ExifIfd : ExifLong;
        entree.donnees = QByteArray(4, '\0');
        qToLittleEndian<quint32>(nombre, entree.donnees.data());
    }
}

class Ecrivain {
public:
    Ecrivain(BlocExif& bloc, const PlacementNoteFabricant& placement)
        : bloc_(bloc), placementNote_(placement) {}

    QByteArray construire(QString* erreur) {
        accorderLien(bloc_.interop, bloc_.exif, TagInteropOffset);
        accorderLien(bloc_.exif, bloc_.ifd0, TagExifOffset);
        accorderLien(bloc_.gps, bloc_.ifd0, TagGpsInfo);
        if (bloc_.estVide()) {
            return {};
        }
        if (bloc_.ordreOctets != 0x4949 && bloc_.ordreOctets != 0x4D4D) {
            bloc_.ordreOctets = 0x4949;
        }
        if (bloc_.identifiant.size() < 6 || bloc_.identifiant[0] == '\0') {
            bloc_.identifiant = QByteArray("Exif\0\0", 6);
        }
        grosBoutiste_ = bloc_.grosBoutiste();

        disposer();
        const qint64 tailleTiff = place_.fin();
        if (tailleTiff + 8 > tailleMaxiSegment) {
            if (erreur != nullptr) {
                *erreur =
                    QStringLiteral("Les données EXIF (%1 octets) dépassent la taille permise d'un segment "
                                   "JPEG (65535 octets).")
                        .arg(tailleTiff + 8);
            }
            return {};
        }
        bloc_.longueurSegment = quint32(tailleTiff + 8);
        return serialiser(tailleTiff);
    }

private:
    // Gives every directory and every value longer than 4 bytes its offset.
    void disposer() {
        reserverNote();
        bloc_.ifd0.offset = quint32(place_.placer(tailleRepertoire(bloc_.ifd0)));
        disposerDonnees(bloc_.ifd0);
        disposerRepertoire(bloc_.exif, bloc_.ifd0, TagExifOffset);
        disposerRepertoire(bloc_.interop, bloc_.exif, TagInteropOffset);
        disposerRepertoire(bloc_.gps, bloc_.ifd0, TagGpsInfo);
        if (!bloc_.ifd1.vide()) {
            bloc_.ifd1.offset = quint32(place_.placer(tailleRepertoire(bloc_.ifd1)));
            disposerDonnees(bloc_.ifd1);
            placerMiniature();
        } else {
            bloc_.ifd1.offset = 0;
        }
    }

    bool lienDe(const Ifd& ifd, quint32 tag) const {
        return ((tag == TagExifOffset || tag == TagGpsInfo) && &ifd == &bloc_.ifd0) ||
               (tag == TagInteropOffset && &ifd == &bloc_.exif);
    }

    void reserverNote() {
        const EntreeIfd* note = bloc_.exif.trouver(TagMakerNote);
        if (!placementNote_.garderPosition || note == nullptr || bloc_.positionNoteLue == 0 ||
            quint32(note->donnees.size()) != bloc_.longueurNoteLue || note->donnees.size() <= 4) {
            return;
        }
        const qint64 debut = bloc_.positionNoteLue;
        const qint64 fin = debut + note->donnees.size();
        // The note stays only where IFD0's own directory cannot run into it.
        if (debut >= 8 + tailleRepertoire(bloc_.ifd0) && fin + 8 <= tailleMaxiSegment) {
            place_.reserver(debut, fin);
            noteGardee_ = true;
        }
    }

    void disposerRepertoire(Ifd& ifd, Ifd& parent, quint32 tagLien) {
        if (ifd.vide()) {
            ifd.offset = 0;
            return;
        }
        ifd.offset = quint32(place_.placer(tailleRepertoire(ifd)));
        if (EntreeIfd* lien = parent.trouver(tagLien)) {
            lien->valeur = ifd.offset;
            lien->count = 1;
        }
        disposerDonnees(ifd);
    }

    void disposerDonnees(Ifd& ifd) {
        ifd.nombreEntrees = quint32(ifd.entrees.size());
        for (EntreeIfd& entree : ifd.entrees) {
            if (lienDe(ifd, entree.tag)) {
                // Given its value when its directory is placed.
                entree.donnees.clear();
                entree.count = 1;
                if (entree.type != ExifLong && entree.type != ExifIfd) {
                    entree.type = ExifLong;
                }
                continue;
            }
            const int taille = tailleComposant(entree.type);
            if (taille == 0) {
                continue; // unknown type: count and value field kept as read
            }
            entree.count = quint32(entree.donnees.size() / taille);
            if (entree.donnees.size() <= 4) {
                continue; // packed into the value field when written
            }
            if (entree.tag == TagMakerNote && &ifd == &bloc_.exif) {
                placerNote(entree);
            } else {
                entree.valeur = quint32(place_.placer(entree.donnees.size()));
            }
        }
    }

    void placerNote(EntreeIfd& note) {
        // Only the note that was measured and reserved keeps its place: a second maker-note entry
        // in a damaged directory is placed like any other value.
        if (noteGardee_ && &note == bloc_.exif.trouver(TagMakerNote)) {
            note.valeur = bloc_.positionNoteLue;
            return;
        }
        if (placementNote_.reconstruire) {
            const qint64 ici = place_.placer(0);
            note.donnees = placementNote_.reconstruire(bloc_, note, quint32(ici));
            note.count = quint32(note.donnees.size());
            note.valeur = quint32(ici);
            place_.placer(note.donnees.size());
            return;
        }
        note.valeur = quint32(place_.placer(note.donnees.size()));
    }

    // The thumbnail follows IFD1's data; its offset goes into JPEGInterchangeFormat, or into a single
    // StripOffsets entry when IFD1 describes the thumbnail as a strip.
    void placerMiniature() {
        const quint32 position = quint32(place_.placer(bloc_.miniature.size()));
        miniaturePosition_ = position;
        quint32 offsetTag = TagJpegIfOffset;
        quint32 longueurTag = TagJpegIfByteCount;
        if (bloc_.ifd1.trouver(TagJpegIfOffset) == nullptr) {
            const EntreeIfd* bande = bloc_.ifd1.trouver(TagStripOffsets);
            if (bande == nullptr || bande->count != 1) {
                return;
            }
            offsetTag = TagStripOffsets;
            longueurTag = TagStripByteCounts;
        }
        EntreeIfd* offset = bloc_.ifd1.trouver(offsetTag);
        definirNombre(*offset, position);
        offset->count = 1;
        if (EntreeIfd* longueur = bloc_.ifd1.trouver(longueurTag)) {
            definirNombre(*longueur, quint32(bloc_.miniature.size()));
            longueur->count = 1;
        }
    }

    // The first 4 bytes of the value field for data of 4 bytes or fewer, in the file's order.
    quint32 champValeur(const Ifd& ifd, const EntreeIfd& entree, char* champ) const {
        std::memset(champ, 0, 4);
        if (lienDe(ifd, entree.tag)) {
            ecrireNombre(entree.valeur, 4, grosBoutiste_, champ);
            return entree.valeur;
        }
        const int taille = tailleComposant(entree.type);
        if (taille == 0) {
            std::memcpy(champ, entree.donnees.constData(), qMin<qsizetype>(4, entree.donnees.size()));
        } else if (entree.donnees.size() <= 4) {
            const QByteArray ordonnees =
                grosBoutiste_ ? inverserComposants(entree.donnees, entree.type) : entree.donnees;
            std::memcpy(champ, ordonnees.constData(), ordonnees.size());
        } else {
            ecrireNombre(entree.valeur, 4, grosBoutiste_, champ);
            return entree.valeur;
        }
        return grosBoutiste_ ? qFromBigEndian<quint32>(champ) : qFromLittleEndian<quint32>(champ);
    }

    void ecrireRepertoire(QByteArray& sortie, Ifd& ifd, quint32 suivant) {
        char* p = sortie.data() + baseTiff + ifd.offset;
        ecrireNombre(quint32(ifd.entrees.size()), 2, grosBoutiste_, p);
        p += 2;
        for (EntreeIfd& entree : ifd.entrees) {
            ecrireNombre(entree.tag, 2, grosBoutiste_, p);
            ecrireNombre(entree.type, 2, grosBoutiste_, p + 2);
            ecrireNombre(entree.count, 4, grosBoutiste_, p + 4);
            entree.valeur = champValeur(ifd, entree, p + 8);
            if (entree.typeConnu() && entree.donnees.size() > 4) {
                const QByteArray ordonnees =
                    grosBoutiste_ ? inverserComposants(entree.donnees, entree.type) : entree.donnees;
                std::memcpy(sortie.data() + baseTiff + entree.valeur, ordonnees.constData(),
                            ordonnees.size());
            }
            p += 12;
        }
        ecrireNombre(suivant, 4, grosBoutiste_, p);
    }

    QByteArray serialiser(qint64 tailleTiff) {
        QByteArray sortie(baseTiff + tailleTiff, '\0');
        char* p = sortie.data();
        p[0] = char(0xFF);
        p[1] = char(0xE1);
        qToBigEndian<quint16>(quint16(bloc_.longueurSegment), p + 2);
        std::memcpy(p + 4, bloc_.identifiant.constData(), 6);
        qToLittleEndian<quint16>(bloc_.ordreOctets, p + 10);
        ecrireNombre(42, 2, grosBoutiste_, p + 12);
        ecrireNombre(bloc_.ifd0.offset, 4, grosBoutiste_, p + 14);
        ecrireRepertoire(sortie, bloc_.ifd0, bloc_.ifd1.vide() ? 0 : bloc_.ifd1.offset);
        for (Ifd* ifd : {&bloc_.exif, &bloc_.interop, &bloc_.gps, &bloc_.ifd1}) {
            if (!ifd->vide()) {
                ecrireRepertoire(sortie, *ifd, 0);
            }
        }
        if (!bloc_.ifd1.vide() && !bloc_.miniature.isEmpty()) {
            std::memcpy(sortie.data() + baseTiff + miniaturePosition_, bloc_.miniature.constData(),
                        bloc_.miniature.size());
        }
        if (const EntreeIfd* note = bloc_.exif.trouver(TagMakerNote);
            note != nullptr && note->donnees.size() > 4) {
            bloc_.positionNoteLue = note->valeur;
            bloc_.longueurNoteLue = quint32(note->donnees.size());
        }
        return sortie;
    }

    BlocExif& bloc_;
    const PlacementNoteFabricant& placementNote_;
    Placement place_;
    bool grosBoutiste_ = false;
    bool noteGardee_ = false;
    quint32 miniaturePosition_ = 0;
};

} // namespace

QByteArray construireApp1(BlocExif& bloc, const PlacementNoteFabricant& placement, QString* erreur) {
    return Ecrivain(bloc, placement).construire(erreur);
}
