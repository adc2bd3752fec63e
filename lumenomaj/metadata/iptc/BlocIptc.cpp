#include "BlocIptc.h"

#include <QtEndian>

#include <tuple>

namespace {

const QByteArray kPhotoshop("Photoshop 3.0");

// A Photoshop payload: its identifier (empty when it starts right at "8BIM") and its resource bytes.
struct ChargePhotoshop {
    bool photoshop = false;
    QByteArray identifiant;
    QByteArray ressources;
};

ChargePhotoshop analyserCharge(const QByteArray& charge) {
    ChargePhotoshop c;
    if (charge.startsWith("8BIM")) {
        c.photoshop = true;
        c.ressources = charge;
        return c;
    }
    const qsizetype zero = charge.indexOf('\0');
    if (zero < 0)
        return c;
    const QByteArray identifiant = charge.left(zero);
    // Old versions of Photoshop wrote "Adobe_Photoshop2.5:"; other APP13 uses (Adobe_CM…) are not ours.
    if (identifiant.startsWith("Photoshop") || identifiant.startsWith("Adobe_Photoshop") ||
        charge.mid(zero + 1, 4) == "8BIM") {
        c.photoshop = true;
        c.identifiant = identifiant;
        c.ressources = charge.mid(zero + 1);
    }
    return c;
}

void ajouter16(QByteArray& octets, quint32 valeur) {
    octets.append(static_cast<char>((valeur >> 8) & 0xFF)).append(static_cast<char>(valeur & 0xFF));
}

QByteArray ecrireDonnees(const QList<DonneeIptc>& donnees) {
    QByteArray octets;
    for (const DonneeIptc& d : donnees) {
        octets.append(static_cast<char>(d.marqueur))
            .append(static_cast<char>(d.enregistrement))
            .append(static_cast<char>(d.numero));
        const auto longueur = static_cast<quint32>(d.donnees.size());
        if (longueur <= 0x7FFF) {
            ajouter16(octets, longueur);
        } else {
            // Extended form: the high bit set and the count of the length bytes that follow.
            ajouter16(octets, 0x8004);
            ajouter16(octets, longueur >> 16);
            ajouter16(octets, longueur & 0xFFFF);
        }
        octets += d.donnees;
    }
    return octets;
}

bool memesNumeros(const DonneeIptc& d, quint8 marqueur, quint8 enregistrement, quint8 numero) {
    return d.marqueur == marqueur && d.enregistrement == enregistrement && d.numero == numero;
}

} // namespace

const QByteArray BlocIptc::kJeuUtf8("\x1B%G");

BlocIptc BlocIptc::lireSegments(const QList<QByteArray>& segments) {
    QList<QByteArray> charges;
    QStringList defauts;
    for (const QByteArray& segment : segments) {
        if (segment.size() < 4 || static_cast<quint8>(segment[0]) != 0xFF ||
            static_cast<quint8>(segment[1]) != 0xED) {
            defauts << QStringLiteral("Segment APP13 mal formé, ignoré.");
            continue;
        }
        const int longueur = qFromBigEndian<quint16>(segment.constData() + 2);
        if (longueur < 2 || longueur + 2 > segment.size())
            defauts << QStringLiteral("Segment APP13 tronqué : %1 octets annoncés, %2 présents.")
                           .arg(longueur + 2)
                           .arg(segment.size());
        charges << segment.mid(4, qMax(0, longueur - 2));
    }
    BlocIptc bloc = lireCharges(charges);
    bloc.defauts_ = defauts + bloc.defauts_;
    return bloc;
}

BlocIptc BlocIptc::lireCharges(const QList<QByteArray>& charges) {
    BlocIptc bloc;
    QByteArray suite;
    bool identifiantLu = false;
    for (const QByteArray& charge : charges) {
        const ChargePhotoshop c = analyserCharge(charge);
        if (!c.photoshop) {
            bloc.etrangers_ << charge;
            continue;
        }
        if (!identifiantLu) {
            bloc.identifiant_ = QString::fromLatin1(c.identifiant);
            identifiantLu = true;
        }
        suite += c.ressources;
    }
    bloc.ressources_ = RessourcesPhotoshop::lire(suite);
    bloc.defauts_ << bloc.ressources_.defauts;
    for (int i = 0; i < bloc.ressources_.ressources.size(); ++i) {
        if (bloc.ressources_.ressources[i].numero == RessourcesPhotoshop::kNumeroIptc) {
            bloc.positionIptc_ = i;
            bloc.lireIptc(bloc.ressources_.ressources[i].donnees);
            break;
        }
    }
    return bloc;
}

void BlocIptc::lireIptc(const QByteArray& octets) {
    const qsizetype taille = octets.size();
    qsizetype pos = 0;
    while (pos < taille) {
        if (static_cast<quint8>(octets[pos]) != kMarqueur) {
            const QByteArray reste = octets.mid(pos);
            if (reste.count('\0') == reste.size())
                remplissage_ = reste;
            else
                defauts_ << QStringLiteral("Donnée IPTC illisible à la position %1.").arg(pos);
            return;
        }
        if (taille - pos < 5) {
            defauts_ << QStringLiteral("Donnée IPTC tronquée à la position %1.").arg(pos);
            return;
        }
        DonneeIptc d;
        d.marqueur = kMarqueur;
        d.enregistrement = static_cast<quint8>(octets[pos + 1]);
        d.numero = static_cast<quint8>(octets[pos + 2]);
        quint64 longueur = qFromBigEndian<quint16>(octets.constData() + pos + 3);
        pos += 5;
        if (longueur & 0x8000) {
            const int nombreOctets = static_cast<int>(longueur & 0x7FFF);
            if (nombreOctets < 1 || nombreOctets > 4 || taille - pos < nombreOctets) {
                defauts_ << QStringLiteral("Longueur étendue IPTC illisible à la position %1.").arg(pos - 5);
                return;
            }
            longueur = 0;
            for (int i = 0; i < nombreOctets; ++i)
                longueur = (longueur << 8) | static_cast<quint8>(octets[pos + i]);
            pos += nombreOctets;
        }
        if (longueur > static_cast<quint64>(taille - pos)) {
            defauts_ << QStringLiteral("Donnée IPTC %1:%2 tronquée : %3 octets annoncés, %4 présents.")
                            .arg(d.enregistrement)
                            .arg(d.numero)
                            .arg(longueur)
                            .arg(taille - pos);
            d.donnees = octets.mid(pos);
            donnees_ << d;
            return;
        }
        d.donnees = octets.mid(pos, static_cast<qsizetype>(longueur));
        donnees_ << d;
        pos += static_cast<qsizetype>(longueur);
    }
}

QList<RessourcePhotoshop> BlocIptc::autresRessources() const {
    QList<RessourcePhotoshop> autres = ressources_.ressources;
    if (positionIptc_ >= 0)
        autres.removeAt(positionIptc_);
    return autres;
}

void BlocIptc::definirOctets(quint8 marqueur, quint8 enregistrement, quint8 numero, const QByteArray& donnees,
                             int occurrence, bool ajout) {
    if (donnees.isEmpty()) {
        supprimer(marqueur, enregistrement, numero, occurrence);
        return;
    }
    int compte = 0;
    int derniereEgale = -1;
    for (int i = 0; i < donnees_.size(); ++i) {
        if (!memesNumeros(donnees_[i], marqueur, enregistrement, numero))
            continue;
        derniereEgale = i;
        if (!ajout && ++compte == occurrence) {
            donnees_[i].donnees = donnees;
            return;
        }
    }
    DonneeIptc nouvelle{marqueur, enregistrement, numero, donnees};
    int position = donnees_.size();
    if (derniereEgale >= 0) {
        // After its namesakes, so that repeated values keep the order they were set in.
        position = derniereEgale + 1;
    } else {
        const auto cle = [](const DonneeIptc& d) {
            return std::make_tuple(d.marqueur, d.enregistrement, d.numero);
        };
        for (int i = 0; i < donnees_.size(); ++i) {
            if (cle(donnees_[i]) > cle(nouvelle)) {
                position = i;
                break;
            }
        }
    }
    donnees_.insert(position, nouvelle);
}

void BlocIptc::supprimer(quint8 marqueur, quint8 enregistrement, quint8 numero, int occurrence) {
    int compte = 0;
    for (int i = 0; i < donnees_.size();) {
        if (memesNumeros(donnees_[i], marqueur, enregistrement, numero)) {
            ++compte;
            if (occurrence == -1 || compte == occurrence) {
                donnees_.removeAt(i);
                if (occurrence != -1)
                    return;
                continue;
            }
        }
        ++i;
    }
}

void BlocIptc::remplacerTextes(quint8 numero, const QStringList& valeurs) {
    supprimer(kMarqueur, kApplication, numero, -1);
    int occurrence = 0;
    for (const QString& valeur : valeurs) {
        if (!valeur.isEmpty())
            definirTexte(kMarqueur, kApplication, numero, valeur, ++occurrence, false);
    }
}

QList<QByteArray> BlocIptc::construireCharges() const {
    SuiteRessources suite = ressources_;
    if (!donnees_.isEmpty()) {
        if (positionIptc_ >= 0) {
            suite.ressources[positionIptc_].donnees = ecrireDonnees(donnees_) + remplissage_;
        } else {
            RessourcePhotoshop iptc;
            iptc.numero = RessourcesPhotoshop::kNumeroIptc;
            iptc.donnees = ecrireDonnees(donnees_);
            suite.ressources.prepend(iptc);
        }
    } else if (positionIptc_ >= 0) {
        suite.ressources.removeAt(positionIptc_);
    }

    QList<QByteArray> charges;
    const QByteArray octets = RessourcesPhotoshop::ecrire(suite);
    if (!octets.isEmpty()) {
        const QByteArray entete =
            (identifiant_.isEmpty() ? kPhotoshop : identifiant_.toLatin1()) + QByteArray(1, '\0');
        // Even pieces keep every segment length even.
        const qsizetype morceau = (kChargeMaxi - entete.size()) & ~qsizetype(1);
        for (qsizetype pos = 0; pos < octets.size(); pos += morceau)
            charges << entete + octets.mid(pos, morceau);
    }
    return charges + etrangers_;
}

QList<QByteArray> BlocIptc::construireSegments() const {
    QList<QByteArray> segments;
    for (const QByteArray& charge : construireCharges()) {
        QByteArray segment("\xFF\xED", 2);
        ajouter16(segment, static_cast<quint32>(charge.size() + 2));
        segments << segment + charge;
    }
    return segments;
}
