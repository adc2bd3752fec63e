#include "Datation.h"

#include "Horloge.h"
#include "Nombres.h"

#include <array>

namespace {

// Numbers inside names: the value of the leading digits after leading spaces, 0 when the text does
// not begin with a digit (a sign is not a digit here: "-5" in a name is not a number).
int valeurChiffres(QStringView texte) {
    qsizetype i = 0;
    while (i < texte.size() && texte[i] == QLatin1Char(' '))
        ++i;
    int v = 0;
    while (i < texte.size() && texte[i].isDigit() && texte[i].unicode() < 128) {
        v = v * 10 + (texte[i].unicode() - u'0');
        ++i;
    }
    return v;
}

int valeurA(const QString& texte, int position, int longueur) {
    return valeurChiffres(Nombres::milieu(texte, position, longueur));
}

bool estSeparateurDate(QChar c) {
    return c == QLatin1Char('-') || c == QLatin1Char('_') || c == QLatin1Char(' ');
}

int moisBorne(int mois) {
    return mois < 0 || mois > 12 ? 0 : mois;
}

struct MotsMois {
    int mois;
    std::array<const char16_t*, 9> entrees;
};

// Tried in this order at each position: earlier months win, so "Juin" is June although "Jui"
// (July) would match too.
const MotsMois kMotsMois[] = {
    {1, {u"Janv", u"JANV", u"janv", u"01"}},
    {2, {u"Fev", u"fev", u"FEV", u"Fév", u"02"}},
    {3, {u"Mar", u"mar", u"MAR", u"03"}},
    {4, {u"Avr", u"avr", u"AVR", u"04"}},
    {5, {u"Mai", u"mai", u"MAI", u"05"}},
    {6, {u"juin", u"Juin", u"JUIN", u"06"}},
    {7, {u"JUI", u"jui", u"Jui", u"07"}},
    {8, {u"AOU", u"Aou", u"aou", u"08"}},
    {9, {u"Septem", u"SEPTEM", u"septem", u"Sep", u"SEP", u"sep", u"09"}},
    {10, {u"OCTOB", u"Octob", u"octob", u"OCT", u"Oct", u"oct", u"10"}},
    {11, {u"Novem", u"Nov", u"novem", u"nov", u"NOVEM", u"NOV", u"11"}},
    {12, {u"Decem", u"Décem", u"DECEM", u"decem", u"décem", u"Dec", u"dec", u"DEC", u"12"}},
};

} // namespace

int longueurRacine(const QString& racine) {
    int n = static_cast<int>(racine.size());
    while (n > 0 && racine[n - 1] == QLatin1Char('/'))
        --n;
    return n;
}

bool anneeNomValide(int annee) {
    return annee > 1799 && annee <= Horloge::anneeMaxiPhotos();
}

bool anneeDossierValide(int annee) {
    return annee >= 1801 && annee <= Horloge::anneeMaxiPhotos();
}

int chercherMotMois(QString& texte) {
    for (int p = 1; p <= texte.size() - 1; ++p) {
        const QStringView ici = QStringView(texte).mid(p - 1);
        for (const MotsMois& m : kMotsMois) {
            for (const char16_t* entree : m.entrees) {
                if (!entree)
                    break;
                const QStringView e(entree);
                if (ici.startsWith(e)) {
                    texte.replace(p - 1, e.size(), QString(e.size(), QLatin1Char(' ')));
                    return m.mois;
                }
            }
        }
    }
    return 0;
}

QString nettoyerTexteMotsDossier(const QString& texte) {
    QString t = texte.trimmed();
    t.replace(QStringLiteral("Invite"), QStringLiteral("      "));
    t = t.trimmed();
    return t.size() < 5 ? QString() : t;
}

Datation dater(const QString& base, int n, const QString& dossier, int racine, const FormatDeclare& format) {
    Datation d;
    d.baseBourree = base;
    if (n < 10)
        d.baseBourree += QString(10, QLatin1Char(' '));
    const QString& b = d.baseBourree;

    // The declared pattern.
    const int p = format.positionAnnee;
    if (format.declare && p > 0 && p < n) {
        if (format.chiffresAnnee == 4) {
            d.annee = valeurA(b, p, 4);
            if (d.annee > 1800 && d.annee <= Horloge::anneeMaxiPhotos())
                d.code = DateFormatDeclare;
        } else {
            // A 2-digit year belongs to this century unless that would be in the future.
            const int y = valeurA(b, p, 2);
            if (y > 0) {
                d.annee = 2000 + y <= Horloge::anneeMaxiPhotos() ? 2000 + y : 1900 + y;
                d.code = DateFormatDeclare;
            }
        }
        // A pattern without "MM" has no month position: nothing to check there.
        if (format.positionMois > 0 && estSeparateurDate(Nombres::caractere(b, format.positionMois)))
            d.code = SansDate;
    }

    // The standard dated names.
    if (d.code == SansDate) {
        const int v = valeurA(b, 1, 4);
        if (anneeNomValide(v)) {
            d.annee = v;
            d.code = estSeparateurDate(Nombres::caractere(b, 5)) ? DateNomStandard : DateNomSansSeparateur;
        } else {
            d.annee = 0;
        }
    }

    // The folder path below the root.
    const QString relatif = dossier.size() > racine + 3 ? dossier.mid(racine + 1) : QString();
    QString texteEntier;
    QString texteReste;
    if (d.code == SansDate && !relatif.isEmpty()) {
        d.annee = 0;
        for (int q = 1; q <= relatif.size(); ++q) {
            // Four characters starting with a blank hold at most three digits: never a year.
            if (!relatif[q - 1].isDigit())
                continue;
            const int v = valeurA(relatif, q, 4);
            if (anneeDossierValide(v)) {
                d.annee = v;
                d.code = DateDossier;
                texteEntier = relatif;
                texteEntier.replace(q - 1, 4, QStringLiteral("    "));
                texteReste = relatif.mid(q + 3) + QString(9, QLatin1Char(' '));
                break;
            }
        }
    }

    switch (d.code) {
    case DateNomStandard:
        d.mois = moisBorne(valeurA(b, 6, 2));
        break;
    case DateNomSansSeparateur:
        d.mois = moisBorne(valeurA(b, 5, 2));
        break;
    case DateFormatDeclare:
        if (format.positionMois > 0 && format.positionMois < n) {
            d.mois = moisBorne(valeurA(b, format.positionMois, 2));
        }
        break;
    case DateDossier: {
        d.mois = chercherMotMois(texteReste);
        if (d.mois > 0) {
            d.texteMotsDossier = nettoyerTexteMotsDossier(texteReste);
        } else {
            texteEntier += QString(8, QLatin1Char(' '));
            d.mois = chercherMotMois(texteEntier);
            d.texteMotsDossier = nettoyerTexteMotsDossier(texteEntier);
        }
        return d;
    }
    default:
        d.annee = 0;
        d.mois = 0;
        break;
    }
    d.texteMotsDossier = nettoyerTexteMotsDossier(relatif);
    return d;
}
