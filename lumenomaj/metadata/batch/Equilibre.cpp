#include "Equilibre.h"

namespace {

bool chiffres(const QString& t) {
    if (t.isEmpty())
        return false;
    for (QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// Two digits between bas and haut.
bool deuxChiffres(const QString& t, int bas, int haut) {
    return t.size() == 2 && chiffres(t) && t.toInt() >= bas && t.toInt() <= haut;
}

// 1-based character of the name, blank past its end.
QChar car(const QString& t, int position) {
    return position - 1 < t.size() ? t[position - 1] : QLatin1Char(' ');
}

// Names made by the renamer: AAAA-MM-JJ-HHMMSS-…
bool nomDuRenommage(const QString& nom) {
    const QChar tiret = QLatin1Char('-');
    if (car(nom, 5) != tiret || car(nom, 8) != tiret || car(nom, 11) != tiret || car(nom, 18) != tiret)
        return false;
    const QString heure = nom.mid(11, 6);
    return chiffres(nom.left(4)) && nom.left(4).toInt() >= 1800 && deuxChiffres(nom.mid(8, 2), 1, 31) &&
           chiffres(heure) && heure.mid(0, 2).toInt() <= 24 && heure.mid(2, 2).toInt() <= 60 &&
           heure.mid(4, 2).toInt() <= 60;
}

void siVide(QString& boite, const QString& texte) {
    if (boite.isEmpty())
        boite = texte;
}

} // namespace

namespace Equilibre {

DateNom dateDuNom(const QString& nomBase, const NomAnalyse& a, const FormatNoms& format) {
    if (!a.estDate() || !deuxChiffres(a.mois, 1, 12) || !chiffres(a.annee))
        return {};
    const QString debut = a.annee + QLatin1Char(':') + a.mois + QLatin1Char(':');
    if (format.jour) {
        const QString jour = nomBase.mid(6, 2);
        if (deuxChiffres(jour, 1, 31))
            return {debut + jour + QStringLiteral(" 00:00:00"), jour};
    } else if (nomDuRenommage(nomBase)) {
        const QString jour = nomBase.mid(8, 2);
        return {debut + jour + QLatin1Char(' ') + nomBase.mid(11, 2) + QLatin1Char(':') + nomBase.mid(13, 2) +
                    QLatin1Char(':') + nomBase.mid(15, 2),
                jour};
    }
    return {debut + QStringLiteral("01 00:00:00"), QStringLiteral("01")};
}

void equilibrer(ChampsPhoto& c, const QString& nomBase, const NomAnalyse& a, const OptionsEquilibre& o) {
    if (o.effaceImpose && o.lumenoImpose) {
        c.xpTitre = c.xpCommentaire = c.xpSujet = c.description = c.iptcSousTitre = c.iptcTitreAuteur =
            nomBase;
        c.xpMotsCles = a.motsXp;
        c.iptcMotsCles = a.motsIptc;
        const DateNom date = dateDuNom(nomBase, a, o.format);
        if (!date.exif.isEmpty()) {
            c.iptcAnnee = a.annee;
            c.iptcMois = a.mois;
            c.iptcJour = date.jourIptc;
            c.dateHeure = c.dateOrigine = date.exif;
        }
    }
    if (o.effaceImpose && !o.auteur.isEmpty())
        c.xpAuteur = c.iptcAuteur = c.iptcCopyright = o.auteur;
    if (!o.effaceImpose) {
        for (QString* boite : {&c.xpTitre, &c.xpCommentaire, &c.xpSujet, &c.description, &c.iptcSousTitre})
            siVide(*boite, nomBase);
        siVide(c.xpMotsCles, a.motsXp);
        siVide(c.iptcMotsCles, a.motsIptc);
    }
    if (!o.motAjout.isEmpty()) {
        for (QString* boite : {&c.xpTitre, &c.xpMotsCles, &c.xpCommentaire, &c.xpSujet, &c.description,
                               &c.iptcSousTitre, &c.iptcTitreAuteur})
            *boite += QLatin1Char(' ') + o.motAjout;
        // The word becomes the last keyword line, never glued to the one before.
        if (!c.iptcMotsCles.isEmpty() && !c.iptcMotsCles.endsWith(QStringLiteral("\r\n")))
            c.iptcMotsCles += QStringLiteral("\r\n");
        c.iptcMotsCles += o.motAjout;
    }
    if (o.microsoftMajeur)
        c.description.clear();
}

} // namespace Equilibre
