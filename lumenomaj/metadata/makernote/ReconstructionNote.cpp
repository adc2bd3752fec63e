#include "ReconstructionNote.h"

#include "AnalyseNote.h"
#include "CodeFabricant.h"

#include <QtEndian>

namespace {

// Tags whose single LONG value is an offset from the TIFF header to bytes inside the note (a preview
// image, Canon's original decision data), for the makers that have them.
bool estPointeurApercu(qint32 code, qint32 typeNote, quint32 tag) {
    switch (code) {
    case FabricantOlympus:
    case FabricantMinolta:
    case FabricantSigma:
    case FabricantSanyo:
    case FabricantAgfa:
    case FabricantEpson:
        return tag == 136;
    case FabricantCasio:
    case FabricantPentax:
        return typeNote == 2 && tag == 4;
    case FabricantCanon:
        return tag == 131;
    default:
        return false;
    }
}

// Ricoh's camera information block holds a directory of its own after this title, with offsets from the
// TIFF header.
constexpr char titreInfoRicoh[] = "[Ricoh Camera Info]";

// Nikon notes without their own header hold the preview's directory inside the note (tag 17).
bool estPointeurRepertoire(qint32 code, qint32 typeNote, quint32 tag) {
    return code == FabricantNikon && typeNote == 2 && tag == 17;
}

class Deplacement {
public:
    Deplacement(QByteArray& note, bool mm, quint32 ancienne, quint32 nouvelle)
        : note_(note), mm_(mm), ancienne_(ancienne), delta_(qint64(nouvelle) - qint64(ancienne)) {}

    // Moves the offset in the value field at position when it points inside the note.
    void deplacerSiDansNote(qint64 position) {
        const quint32 offset = lire32(position + 8);
        if (offset >= ancienne_ && qint64(offset) < qint64(ancienne_) + note_.size()) {
            ecrire32(position + 8, quint32(qint64(offset) + delta_));
        }
    }

    void deplacer(qint64 position) { ecrire32(position + 8, quint32(qint64(lire32(position + 8)) + delta_)); }

    // The directory at offset (from the TIFF header) inside the note: every out-of-line offset of its
    // entries and its preview offset (tag 513) move with the note.
    void deplacerRepertoire(quint32 offset) { deplacerRepertoireA(qint64(offset) - ancienne_); }

    // The same for a directory at debut from the first byte of the note.
    void deplacerRepertoireA(qint64 debut) {
        if (debut < 0 || debut + 2 > note_.size()) {
            return;
        }
        const quint16 nombre = lire16(debut);
        for (quint16 i = 0; i < nombre; ++i) {
            const qint64 ici = debut + 2 + qint64(i) * 12;
            if (ici + 12 > note_.size()) {
                return;
            }
            const quint16 tag = lire16(ici);
            const qint64 longueur = qint64(lire32(ici + 4)) * tailleComposant(lire16(ici + 2));
            if (longueur > 4 || tag == 513) {
                deplacerSiDansNote(ici);
            }
        }
    }

    // Canon notes end with a copy of their own TIFF offset after a byte-order mark.
    void deplacerPied() {
        const qint64 pied = note_.size() - 8;
        if (pied < 0) {
            return;
        }
        const QByteArray marque = note_.mid(pied, 4);
        const bool mm = marque == QByteArray("MM\0*", 4);
        if (!mm && marque != QByteArray("II*\0", 4)) {
            return;
        }
        const auto* o = reinterpret_cast<const uchar*>(note_.constData()) + pied + 4;
        if ((mm ? qFromBigEndian<quint32>(o) : qFromLittleEndian<quint32>(o)) == ancienne_) {
            const quint32 nouvelle = quint32(qint64(ancienne_) + delta_);
            mm ? qToBigEndian<quint32>(nouvelle, note_.data() + pied + 4)
               : qToLittleEndian<quint32>(nouvelle, note_.data() + pied + 4);
        }
    }

    quint32 lire32(qint64 p) const {
        const auto* o = reinterpret_cast<const uchar*>(note_.constData()) + p;
        return mm_ ? qFromBigEndian<quint32>(o) : qFromLittleEndian<quint32>(o);
    }

private:
    quint16 lire16(qint64 p) const {
        const auto* o = reinterpret_cast<const uchar*>(note_.constData()) + p;
        return mm_ ? qFromBigEndian<quint16>(o) : qFromLittleEndian<quint16>(o);
    }
    void ecrire32(qint64 p, quint32 n) {
        mm_ ? qToBigEndian<quint32>(n, note_.data() + p) : qToLittleEndian<quint32>(n, note_.data() + p);
    }

    QByteArray& note_;
    bool mm_;
    quint32 ancienne_;
    qint64 delta_;
};

} // namespace

QByteArray reconstruireNote(const BlocExif& bloc, const EntreeIfd& note, quint32 positionTiff) {
    const quint32 ancienne = bloc.positionNoteLue;
    if (ancienne == 0 || ancienne == positionTiff || quint32(note.donnees.size()) != bloc.longueurNoteLue ||
        !aUneMarque(bloc)) {
        return note.donnees;
    }
    const qint32 code = codeFabricant(bloc);
    const AnalyseNote analyse = analyserNote(note.donnees, code, bloc.grosBoutiste(), ancienne);
    if (!analyse.lue || analyse.disposition.base != BaseOffsets::Tiff) {
        return note.donnees;
    }
    QByteArray resultat = note.donnees;
    Deplacement deplacement(resultat, analyse.disposition.grosBoutiste, ancienne, positionTiff);
    const qint32 type = analyse.disposition.typeNote;
    for (const EntreeNote& e : analyse.entrees) {
        const qint64 longueur = qint64(e.entree.count) * tailleComposant(e.entree.type);
        if (longueur > 4) {
            // Every out-of-line offset moves, even one that was already wrong: the note keeps the
            // shape it had, and a reader that corrects a shifted note corrects it the same way.
            deplacement.deplacer(e.position);
            if (code == FabricantRicoh && e.entree.tag == 8193 &&
                e.entree.donnees.startsWith(titreInfoRicoh)) {
                deplacement.deplacerRepertoireA(e.donnees + qint64(sizeof titreInfoRicoh));
            }
        } else if (e.entree.count == 1 && estPointeurApercu(code, type, e.entree.tag)) {
            deplacement.deplacerSiDansNote(e.position);
        } else if (e.entree.count == 1 && estPointeurRepertoire(code, type, e.entree.tag)) {
            const quint32 offset = deplacement.lire32(e.position + 8);
            deplacement.deplacerRepertoire(offset);
            deplacement.deplacerSiDansNote(e.position);
        }
    }
    if (code == FabricantCanon) {
        deplacement.deplacerPied();
    }
    return resultat;
}

PlacementNoteFabricant placementNoteFabricant() {
    PlacementNoteFabricant placement;
    placement.garderPosition = true;
    placement.reconstruire = reconstruireNote;
    return placement;
}
