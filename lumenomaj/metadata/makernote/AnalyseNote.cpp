#include "AnalyseNote.h"

#include "CodeFabricant.h"

#include <QtEndian>

#include <limits>

namespace {

// More entries than this means the count was read in the wrong byte order, or is no count at all.
constexpr quint32 entreesMaxi = 1000;

class Analyse {
public:
    Analyse(const QByteArray& note, quint32 positionNote)
        : octets_(reinterpret_cast<const uchar*>(note.constData())), taille_(note.size()),
          positionNote_(positionNote) {}

    // Reads the count at the directory's place, trying the other byte order when it is not plausible.
    bool choisirOrdre(DispositionNote& disposition) const {
        if (disposition.position < 0 || disposition.position + 2 > taille_) {
            return false;
        }
        for (bool mm : {disposition.grosBoutiste, !disposition.grosBoutiste}) {
            if (n16(disposition.position, mm) <= entreesMaxi) {
                disposition.grosBoutiste = mm;
                return true;
            }
        }
        return false;
    }

    // The distance by which a note's TIFF offsets are wrong, when it can be found: a note copied to
    // another place without its offsets being rewritten points before its data, or past its end. The
    // first data then follow the directory, as cameras write them. 0 when the offsets look right or
    // no single distance puts every value inside the note.
    qint64 decalage(const DispositionNote& d) const {
        if (d.base != BaseOffsets::Tiff) {
            return 0;
        }
        const bool mm = d.grosBoutiste;
        const quint32 annonce = n16(d.position, mm);
        const qint64 finRepertoire = d.position + 2 + qint64(annonce) * 12;
        qint64 premier = std::numeric_limits<qint64>::max();
        qint64 dernier = std::numeric_limits<qint64>::min();
        bool faux = false;
        for (quint32 i = 0; i < annonce && finRepertoire <= taille_; ++i) {
            const qint64 ici = d.position + 2 + qint64(i) * 12;
            const qint64 longueur = qint64(n32(ici + 4, mm)) * tailleComposant(n16(ici + 2, mm));
            if (longueur <= 4) {
                continue;
            }
            const qint64 debut = debutDonnees(n32(ici + 8, mm), d.base);
            faux = faux || debut < finRepertoire || debut + longueur > taille_;
            premier = qMin(premier, debut);
            dernier = qMax(dernier, debut + longueur);
        }
        if (!faux || premier > dernier) {
            return 0;
        }
        for (qint64 attendu :
             {finRepertoire + (d.pointeurSuivant ? 4 : 0), finRepertoire + (d.pointeurSuivant ? 0 : 4)}) {
            const qint64 ecart = attendu - premier;
            if (dernier + ecart <= taille_) {
                return ecart;
            }
        }
        return 0;
    }

    QList<EntreeNote> lireEntrees(const DispositionNote& d, qint64 ecart) const {
        const bool mm = d.grosBoutiste;
        const quint32 annonce = n16(d.position, mm);
        const qint64 premiere = d.position + 2;
        // Where data are taken from when an offset points past the note: the first byte after the
        // directory and the data already found.
        qint64 libre = premiere + qint64(annonce) * 12 + (d.pointeurSuivant ? 4 : 0);
        QList<EntreeNote> entrees;
        for (quint32 i = 0; i < annonce; ++i) {
            const qint64 ici = premiere + qint64(i) * 12;
            if (ici + 12 > taille_) {
                break; // a directory cut short keeps the entries that are whole
            }
            EntreeNote e;
            e.position = ici;
            e.entree.tag = n16(ici, mm);
            e.entree.type = n16(ici + 2, mm);
            e.entree.count = n32(ici + 4, mm);
            e.entree.valeur = n32(ici + 8, mm);
            const int taille = tailleComposant(e.entree.type);
            if (taille == 0) {
                e.entree.donnees = octets(ici + 8, 4); // unknown type: the value field as it stands
                entrees.append(e);
                continue;
            }
            const qint64 longueur = qint64(e.entree.count) * taille;
            if (longueur <= 4) {
                e.entree.donnees = octets(ici + 8, longueur);
            } else {
                qint64 debut =
                    d.base == BaseOffsets::Suite ? libre : debutDonnees(e.entree.valeur, d.base) + ecart;
                if (debut < 0 || debut + longueur > taille_) {
                    e.offsetFaux = true;
                    debut = libre + (libre & 1);
                }
                if (debut + longueur > taille_) {
                    e.illisible = true; // no room for these data anywhere in the note
                    entrees.append(e);
                    continue;
                }
                e.donnees = debut;
                e.entree.donnees = octets(debut, longueur);
                libre = qMax(libre, debut + longueur);
            }
            if (mm) {
                e.entree.donnees = inverserComposants(e.entree.donnees, e.entree.type);
            }
            entrees.append(e);
        }
        return entrees;
    }

private:
    qint64 debutDonnees(quint32 offset, BaseOffsets base) const {
        switch (base) {
        case BaseOffsets::Tiff:
            return qint64(offset) - qint64(positionNote_);
        case BaseOffsets::DebutNote:
            return offset;
        case BaseOffsets::EnteteNote:
            return qint64(offset) + 10;
        case BaseOffsets::Suite:
            return -1;
        }
        return -1;
    }
    QByteArray octets(qint64 debut, qint64 longueur) const {
        return QByteArray(reinterpret_cast<const char*>(octets_ + debut), longueur);
    }
    quint16 n16(qint64 p, bool mm) const {
        return mm ? qFromBigEndian<quint16>(octets_ + p) : qFromLittleEndian<quint16>(octets_ + p);
    }
    quint32 n32(qint64 p, bool mm) const {
        return mm ? qFromBigEndian<quint32>(octets_ + p) : qFromLittleEndian<quint32>(octets_ + p);
    }

    const uchar* octets_;
    qint64 taille_;
    quint32 positionNote_;
};

} // namespace

AnalyseNote analyserNote(const QByteArray& note, qint32 code, bool grosBoutisteFichier,
                         quint32 positionNote) {
    AnalyseNote analyse;
    analyse.disposition = dispositionNote(code, note, grosBoutisteFichier);
    if (!analyse.disposition.lisible) {
        return analyse;
    }
    const Analyse lecteur(note, positionNote);
    if (!lecteur.choisirOrdre(analyse.disposition)) {
        return analyse;
    }
    analyse.entrees = lecteur.lireEntrees(analyse.disposition, lecteur.decalage(analyse.disposition));
    analyse.lue = true;
    return analyse;
}
