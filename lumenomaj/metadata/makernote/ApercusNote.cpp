#include "ApercusNote.h"

#include "AnalyseNote.h"
#include "CodeFabricant.h"

#include <QtEndian>

namespace {

// The TIFF header starts 10 bytes after the marker.
constexpr qint64 baseTiff = 10;

// A preview described by two numbers of the note: its offset (from the TIFF header, or from the note's
// own header for notes that have one) and its length.
struct Apercu {
    qint64 champOffset; // position in the note of the 4-byte field holding the offset
    quint32 offset;
    quint32 longueur;
};

class Rattachement {
public:
    Rattachement(BlocExif& bloc, EntreeIfd& note, const AnalyseNote& analyse, const QByteArray& segment)
        : bloc_(bloc), note_(note), mm_(analyse.disposition.grosBoutiste), segment_(segment),
          origine_(analyse.disposition.base == BaseOffsets::EnteteNote ? qint64(bloc.positionNoteLue) + 10
                                                                       : 0) {}

    void chercher(const AnalyseNote& analyse) {
        const qint32 code = bloc_.fabricant;
        const qint32 type = bloc_.typeNote;
        if (code == FabricantOlympus || code == FabricantMinolta || code == FabricantSanyo ||
            code == FabricantAgfa || code == FabricantEpson || code == FabricantSigma) {
            paire(analyse.entrees, 136, 137);
        } else if ((code == FabricantCasio || code == FabricantPentax) && type == 2) {
            paire(analyse.entrees, 4, 3);
        } else if (code == FabricantNikon && type == 2) {
            for (const EntreeNote& e : analyse.entrees) {
                quint32 offset = 0;
                if (e.entree.tag == 17 && e.entree.count == 1 && premierEntier(e.entree, &offset)) {
                    sousRepertoire(origine_ + qint64(offset) - bloc_.positionNoteLue);
                }
            }
        }
    }

    void rattacher() {
        for (const Apercu& a : apercus_) {
            const qint64 debutNote = bloc_.positionNoteLue;
            const qint64 finNote = debutNote + note_.donnees.size();
            const qint64 debut = origine_ + a.offset;
            if (a.longueur == 0 || (debut >= debutNote && debut + a.longueur <= finNote) ||
                baseTiff + debut + a.longueur > segment_.size()) {
                continue;
            }
            if (note_.donnees.size() % 2 != 0) {
                note_.donnees.append('\0');
            }
            const quint32 nouveau = quint32(debutNote + note_.donnees.size() - origine_);
            note_.donnees.append(segment_.mid(baseTiff + debut, a.longueur));
            char* champ = note_.donnees.data() + a.champOffset;
            mm_ ? qToBigEndian<quint32>(nouveau, champ) : qToLittleEndian<quint32>(nouveau, champ);
        }
        note_.count = quint32(note_.donnees.size());
        bloc_.longueurNoteLue = quint32(note_.donnees.size());
    }

private:
    void paire(const QList<EntreeNote>& entrees, quint32 tagOffset, quint32 tagLongueur) {
        const EntreeNote* offset = nullptr;
        quint32 longueur = 0;
        bool longueurTrouvee = false;
        for (const EntreeNote& e : entrees) {
            if (e.entree.tag == tagOffset && e.entree.count == 1 && tailleComposant(e.entree.type) == 4) {
                offset = &e;
            } else if (e.entree.tag == tagLongueur && e.entree.count == 1) {
                longueurTrouvee = premierEntier(e.entree, &longueur);
            }
        }
        quint32 valeur = 0;
        if (offset != nullptr && longueurTrouvee && premierEntier(offset->entree, &valeur)) {
            apercus_.append({offset->position + 8, valeur, longueur});
        }
    }

    // The preview directory of Nikon notes: its 513 and 514 entries give the preview.
    void sousRepertoire(qint64 debut) {
        const QByteArray& n = note_.donnees;
        if (debut < 0 || debut + 2 > n.size()) {
            return;
        }
        const quint16 nombre = lire16(debut);
        qint64 champ = -1;
        quint32 offset = 0;
        quint32 longueur = 0;
        for (quint16 i = 0; i < nombre; ++i) {
            const qint64 ici = debut + 2 + qint64(i) * 12;
            if (ici + 12 > n.size()) {
                return;
            }
            if (lire16(ici) == 513) {
                champ = ici + 8;
                offset = lire32(ici + 8);
            } else if (lire16(ici) == 514) {
                longueur = lire32(ici + 8);
            }
        }
        if (champ >= 0) {
            apercus_.append({champ, offset, longueur});
        }
    }

    quint16 lire16(qint64 p) const {
        const auto* o = reinterpret_cast<const uchar*>(note_.donnees.constData()) + p;
        return mm_ ? qFromBigEndian<quint16>(o) : qFromLittleEndian<quint16>(o);
    }
    quint32 lire32(qint64 p) const {
        const auto* o = reinterpret_cast<const uchar*>(note_.donnees.constData()) + p;
        return mm_ ? qFromBigEndian<quint32>(o) : qFromLittleEndian<quint32>(o);
    }

    BlocExif& bloc_;
    EntreeIfd& note_;
    bool mm_;
    const QByteArray& segment_;
    qint64 origine_; // where offset 0 of the note stands, from the TIFF header
    QList<Apercu> apercus_;
};

} // namespace

void rattacherApercus(BlocExif& bloc, const QByteArray& segment) {
    EntreeIfd* note = bloc.exif.trouver(TagMakerNote);
    if (note == nullptr || bloc.noteFabricant.vide() || bloc.positionNoteLue == 0 ||
        quint32(note->donnees.size()) != bloc.longueurNoteLue) {
        return;
    }
    const AnalyseNote analyse =
        analyserNote(note->donnees, bloc.fabricant, bloc.grosBoutiste(), bloc.positionNoteLue);
    if (!analyse.lue || (analyse.disposition.base != BaseOffsets::Tiff &&
                         analyse.disposition.base != BaseOffsets::EnteteNote)) {
        return;
    }
    Rattachement rattachement(bloc, *note, analyse, segment);
    rattachement.chercher(analyse);
    rattachement.rattacher();
}
