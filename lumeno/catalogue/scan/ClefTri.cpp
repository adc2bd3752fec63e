#include "ClefTri.h"

#include "GenresFichiers.h"

#include <algorithm>

namespace ClefTri {

namespace {

constexpr int LongueurMaxi = 254;
constexpr int LongueurCoupee = 253;

bool estChiffre(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

QString cleAnnee(int annee) {
    return annee > 1799 ? QString::number(annee).rightJustified(4, QLatin1Char('0')) : QStringLiteral("9999");
}

QString cleMois(int mois) {
    if (mois < 0 || mois > 12)
        mois = 0;
    return QString::number(mois).rightJustified(2, QLatin1Char('0'));
}

CompteurReste compteurEtReste(const QString& baseBourree) {
    const QString texte = baseBourree.mid(8);
    // The digits are read up to the third-last character at most.
    const qsizetype fin = texte.size() - 2;
    for (qsizetype i = 0; i < fin; ++i) {
        if (!estChiffre(texte[i])) {
            QString compteur = texte.left(i);
            if (compteur.size() < 10)
                compteur = QString(10 - compteur.size(), QLatin1Char('0')) + compteur;
            return {compteur, texte.mid(i)};
        }
    }
    return {QString(), texte.mid(std::max<qsizetype>(0, fin))};
}

QString construire(const Entree& e) {
    const QString annee = cleAnnee(e.annee);
    const QString mois = cleMois(e.mois);
    const QString debut = annee + QLatin1Char('-') + mois;

    QString clef;
    if (annee.size() + mois.size() + e.relatif.size() + e.baseBourree.size() > LongueurMaxi) {
        clef = (debut + e.relatif + e.baseBourree).left(LongueurCoupee);
    } else {
        switch (e.code) {
        case 1:
            if (e.n < 8)
                clef = debut + e.relatif;
            else if (e.triAlpha)
                clef = debut + e.relatif + e.baseBourree.mid(7);
            else {
                const CompteurReste cr = compteurEtReste(e.baseBourree);
                clef = debut + e.relatif + cr.compteur + cr.reste;
            }
            break;
        case 5:
            clef = e.n > 6 ? debut + e.relatif + e.baseBourree.mid(6) : debut + e.relatif;
            break;
        case 2:
        case 3:
            if (e.jourEnSeptieme) {
                clef = debut + e.baseBourree.mid(6, 2) + e.relatif + e.baseBourree;
                break;
            }
            [[fallthrough]];
        default:
            clef = debut + e.relatif + e.baseBourree;
            break;
        }
        if (clef.size() > LongueurCoupee)
            clef.truncate(LongueurCoupee);
    }
    // A comment sorts just before the photo of the same name.
    clef += estTypeCommentaire(e.type) ? QStringLiteral("00") : QStringLiteral("5");
    return clef;
}

} // namespace ClefTri
