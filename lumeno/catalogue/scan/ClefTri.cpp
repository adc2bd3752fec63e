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

int cleAnnee(int annee) {
    return annee > 1799 && annee <= 9999 ? annee : 9999;
}

int cleMois(int mois) {
    return mois < 0 || mois > 12 ? 0 : mois;
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
    // "AAAA-MM": 7 characters.
    QString debut = QString::number(cleAnnee(e.annee)).rightJustified(4, QLatin1Char('0'));
    const int mois = cleMois(e.mois);
    debut += QLatin1Char('-');
    debut += QLatin1Char(char('0' + mois / 10));
    debut += QLatin1Char(char('0' + mois % 10));

    QString clef;
    if (4 + 2 + e.relatif.size() + e.baseBourree.size() > LongueurMaxi) {
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
