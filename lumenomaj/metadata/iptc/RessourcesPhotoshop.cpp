#include "RessourcesPhotoshop.h"

#include <QtEndian>

namespace {

bool signatureConnue(const QByteArray& signature) {
    // Photoshop writes "8BIM"; a few other programs use their own signatures for the same layout.
    return signature == "8BIM" || signature == "PHUT" || signature == "AgHg" || signature == "DCSR" ||
           signature == "MeSa";
}

quint32 lire32(const QByteArray& octets, qsizetype pos) {
    return qFromBigEndian<quint32>(octets.constData() + pos);
}

void ajouter16(QByteArray& octets, quint16 valeur) {
    octets.append(static_cast<char>(valeur >> 8)).append(static_cast<char>(valeur & 0xFF));
}

void ajouter32(QByteArray& octets, quint32 valeur) {
    ajouter16(octets, static_cast<quint16>(valeur >> 16));
    ajouter16(octets, static_cast<quint16>(valeur & 0xFFFF));
}

} // namespace

namespace RessourcesPhotoshop {

SuiteRessources lire(const QByteArray& octets) {
    SuiteRessources suite;
    const qsizetype taille = octets.size();
    qsizetype pos = 0;
    while (pos < taille) {
        if (taille - pos < 4 || !signatureConnue(octets.mid(pos, 4))) {
            // Zero padding after the last block is common and harmless; anything else is kept as is.
            const QByteArray reste = octets.mid(pos);
            if (reste.count('\0') != reste.size()) {
                suite.reste = reste;
                suite.defauts << QStringLiteral("Ressource Photoshop illisible à la position %1.").arg(pos);
            }
            break;
        }
        if (taille - pos < 7) {
            suite.reste = octets.mid(pos);
            suite.defauts << QStringLiteral("Ressource Photoshop tronquée à la position %1.").arg(pos);
            break;
        }
        RessourcePhotoshop ressource;
        ressource.signature = octets.mid(pos, 4);
        ressource.numero = qFromBigEndian<quint16>(octets.constData() + pos + 4);
        const int longueurNom = static_cast<quint8>(octets[pos + 6]);
        const qsizetype debutNom = pos + 7;
        const qsizetype apresNom = pos + 6 + ((1 + longueurNom + 1) & ~1);
        if (apresNom + 4 > taille) {
            suite.reste = octets.mid(pos);
            suite.defauts << QStringLiteral("Ressource Photoshop tronquée à la position %1.").arg(pos);
            break;
        }
        ressource.nom = octets.mid(debutNom, longueurNom);
        const quint32 tailleDonnees = lire32(octets, apresNom);
        const qsizetype debutDonnees = apresNom + 4;
        const qsizetype disponible = taille - debutDonnees;
        if (tailleDonnees > static_cast<quint64>(disponible)) {
            ressource.donnees = octets.mid(debutDonnees);
            suite.defauts << QStringLiteral(
                                 "Ressource Photoshop %1 tronquée : %2 octets annoncés, %3 présents.")
                                 .arg(ressource.numero)
                                 .arg(tailleDonnees)
                                 .arg(disponible);
            suite.ressources << ressource;
            break;
        }
        ressource.donnees = octets.mid(debutDonnees, tailleDonnees);
        suite.ressources << ressource;
        pos = debutDonnees + tailleDonnees + (tailleDonnees & 1);
    }
    return suite;
}

QByteArray ecrire(const SuiteRessources& suite) {
    QByteArray octets;
    for (const RessourcePhotoshop& r : suite.ressources) {
        octets += r.signature.leftJustified(4, '\0', true);
        ajouter16(octets, r.numero);
        const QByteArray nom = r.nom.left(255);
        octets.append(static_cast<char>(nom.size())).append(nom);
        if ((1 + nom.size()) % 2 != 0)
            octets.append('\0');
        ajouter32(octets, static_cast<quint32>(r.donnees.size()));
        octets += r.donnees;
        if (r.donnees.size() % 2 != 0)
            octets.append('\0');
    }
    return octets + suite.reste;
}

} // namespace RessourcesPhotoshop
