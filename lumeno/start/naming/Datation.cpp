#include "Datation.h"

#include "Horloge.h"

#include <array>

namespace {

// The value of the characters at a 1-based position, read in place: characters past either end
// count as spaces, as fixed-position reads of short names do.
int valeurA(QStringView texte, int position, int longueur) {
    int v = 0;
    bool chiffres = false;
    for (int k = 0; k < longueur; ++k) {
        const int i = position + k - 1;
        const char16_t c = i >= 0 && i < texte.size() ? texte[i].unicode() : u' ';
        if (c >= u'0' && c <= u'9') {
            v = v * 10 + (c - u'0');
            chiffres = true;
        } else if (chiffres || c != u' ') {
            break;
        }
    }
    return v;
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

DatationDossier daterDossier(const QString& dossier, int racine, int anneeMaxi) {
    DatationDossier d;
    const QString relatif = dossier.size() > racine + 3 ? dossier.mid(racine + 1) : QString();
    d.texteMotsSansDate = nettoyerTexteMotsDossier(relatif);
    for (int q = 1; q <= relatif.size(); ++q) {
        // Four characters starting with a blank hold at most three digits: never a year.
        if (!relatif[q - 1].isDigit())
            continue;
        const int v = valeurA(relatif, q, 4);
        if (v >= 1801 && v <= anneeMaxi) {
            d.annee = v;
            QString texteEntier = relatif;
            texteEntier.replace(q - 1, 4, QStringLiteral("    "));
            QString texteReste = relatif.mid(q + 3) + QString(9, QLatin1Char(' '));
            d.mois = chercherMotMois(texteReste);
            if (d.mois > 0) {
                d.texteMotsDate = nettoyerTexteMotsDossier(texteReste);
            } else {
                texteEntier += QString(8, QLatin1Char(' '));
                d.mois = chercherMotMois(texteEntier);
                d.texteMotsDate = nettoyerTexteMotsDossier(texteEntier);
            }
            break;
        }
    }
    return d;
}

Datation dater(const QString& base, int n, const QString& dossier, int racine, const FormatDeclare& format) {
    const int anneeMaxi = Horloge::anneeMaxiPhotos();
    return dater(base, n, daterDossier(dossier, racine, anneeMaxi), format, anneeMaxi);
}

Datation dater(const QString& base, int n, const DatationDossier& dossier, const FormatDeclare& format,
               int anneeMaxi) {
    Datation d;
    d.baseBourree = base;
    if (n < 10)
        d.baseBourree += QString(10, QLatin1Char(' '));
    const QStringView b = d.baseBourree;
    const auto caractere = [&b](int position) {
        return position >= 1 && position <= b.size() ? b[position - 1] : QChar(u' ');
    };

    // The declared pattern.
    const int p = format.positionAnnee;
    if (format.declare && p > 0 && p < n) {
        if (format.chiffresAnnee == 4) {
            d.annee = valeurA(b, p, 4);
            if (d.annee > 1800 && d.annee <= anneeMaxi)
                d.code = DateFormatDeclare;
        } else {
            // A 2-digit year belongs to this century unless that would be in the future.
            const int y = valeurA(b, p, 2);
            if (y > 0) {
                d.annee = 2000 + y <= anneeMaxi ? 2000 + y : 1900 + y;
                d.code = DateFormatDeclare;
            }
        }
        // A pattern without "MM" has no month position: nothing to check there.
        if (format.positionMois > 0 && estSeparateurDate(caractere(format.positionMois)))
            d.code = SansDate;
    }

    // The standard dated names.
    if (d.code == SansDate) {
        const int v = valeurA(b, 1, 4);
        if (v > 1799 && v <= anneeMaxi) {
            d.annee = v;
            d.code = estSeparateurDate(caractere(5)) ? DateNomStandard : DateNomSansSeparateur;
        } else {
            d.annee = 0;
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
    default:
        // The folder path below the root.
        if (dossier.annee > 0) {
            d.code = DateDossier;
            d.annee = dossier.annee;
            d.mois = dossier.mois;
            d.texteMotsDossier = dossier.texteMotsDate;
            return d;
        }
        d.annee = 0;
        d.mois = 0;
        break;
    }
    d.texteMotsDossier = dossier.texteMotsSansDate;
    return d;
}
