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
    // Built in one text: the key of every file is made this way.
    const QStringView base = e.baseBourree;
    QString clef;
    clef.reserve(4 + 1 + 2 + 2 + e.relatif.size() + base.size() + 10 + 2);
    // "AAAA-MM": 7 characters; the year key always has 4 digits.
    const int annee = cleAnnee(e.annee);
    const int mois = cleMois(e.mois);
    const char debut[] = {char('0' + annee / 1000),
                          char('0' + annee / 100 % 10),
                          char('0' + annee / 10 % 10),
                          char('0' + annee % 10),
                          '-',
                          char('0' + mois / 10),
                          char('0' + mois % 10)};
    clef.append(QLatin1StringView(debut, 7));

    if (4 + 2 + e.relatif.size() + base.size() > LongueurMaxi) {
        clef += e.relatif;
        clef += base;
        clef.truncate(LongueurCoupee);
    } else {
        switch (e.code) {
        case 1:
            clef += e.relatif;
            if (e.n < 8) {
            } else if (e.triAlpha) {
                clef += base.mid(std::min<qsizetype>(7, base.size()));
            } else {
                const CompteurReste cr = compteurEtReste(e.baseBourree);
                clef += cr.compteur;
                clef += cr.reste;
            }
            break;
        case 5:
            clef += e.relatif;
            if (e.n > 6)
                clef += base.mid(std::min<qsizetype>(6, base.size()));
            break;
        case 2:
        case 3:
            if (e.jourEnSeptieme) {
                if (base.size() > 6)
                    clef += base.mid(6, std::min<qsizetype>(2, base.size() - 6));
                clef += e.relatif;
                clef += base;
                break;
            }
            [[fallthrough]];
        default:
            clef += e.relatif;
            clef += base;
            break;
        }
        if (clef.size() > LongueurCoupee)
            clef.truncate(LongueurCoupee);
    }
    // A comment sorts just before the photo of the same name.
    clef += estTypeCommentaire(e.type) ? QLatin1StringView("00") : QLatin1StringView("5");
    return clef;
}

} // namespace ClefTri
