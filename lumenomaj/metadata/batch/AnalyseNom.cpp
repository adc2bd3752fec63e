#include "AnalyseNom.h"

namespace {

constexpr int kMotsMaxi = 20;

QChar nettoyer(QChar c) {
    static const QString separateurs = QStringLiteral("-_'().&!;:*~^€@/\\°");
    if (separateurs.contains(c) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
        return QLatin1Char(' ');
    struct Accent {
        const char16_t* depuis;
        char16_t vers;
    };
    static const Accent accents[] = {
        {u"éèëê", u'e'}, {u"àâá", u'a'}, {u"ç", u'c'}, {u"ôö", u'o'}, {u"üùû", u'u'},
        {u"Î", u'I'},    {u"îï", u'i'},  {u"É", u'E'}, {u"ß", u'S'},
    };
    for (const Accent& a : accents)
        if (QStringView(a.depuis).contains(c))
            return QChar(a.vers);
    return c;
}

bool minuscule(QChar c) {
    return c.unicode() >= 97 && c.unicode() <= 122;
}

// The upper range of the old rule: A–Z, "[" and "\".
bool majuscule(QChar c) {
    return c.unicode() >= 65 && c.unicode() <= 92;
}

bool memeGenre(QChar a, QChar b) {
    return (minuscule(a) && minuscule(b)) || (majuscule(a) && majuscule(b));
}

QString formeMot(QString mot) {
    for (qsizetype i = 1; i < mot.size(); ++i)
        if (majuscule(mot[i]))
            mot[i] = QChar(mot[i].unicode() + 32);
    if (!mot.isEmpty() && minuscule(mot[0]))
        mot[0] = mot[0].toUpper();
    return mot;
}

} // namespace

namespace AnalyseNom {

QString nomBase(const QString& nomFichier) {
    if (nomFichier.size() >= 4 && nomFichier[nomFichier.size() - 4] == QLatin1Char('.'))
        return nomFichier.left(nomFichier.size() - 4);
    return nomFichier;
}

int valeur(const QString& texte) {
    qsizetype i = 0;
    while (i < texte.size() && texte[i] == QLatin1Char(' '))
        ++i;
    int n = 0;
    for (; i < texte.size() && texte[i].isDigit() && texte[i].unicode() < 128 && n < 100000000; ++i)
        n = n * 10 + (texte[i].unicode() - '0');
    return n;
}

QStringList mots(const QString& texte) {
    QString propre;
    for (QChar c : texte)
        propre += nettoyer(c);
    propre = propre.trimmed();

    // A word goes on while the case stays the same; a single capital goes on into the small letters
    // after it (Vacances), and a lone separator is never a word of its own.
    QStringList bruts;
    int numero = 0;
    auto garder = [&](const QString& mot) {
        if (mot.trimmed().isEmpty())
            return; // the spaces between words
        if (bruts.size() < kMotsMaxi)
            bruts.append(mot);
        else
            bruts[numero % kMotsMaxi] = mot; // past the 20th, the numbering starts again
        ++numero;
    };
    qsizetype debut = 0;
    for (qsizetype i = 0; i + 1 < propre.size(); ++i) {
        const QChar c = propre[i];
        const QChar suivant = propre[i + 1];
        if (memeGenre(c, suivant))
            continue;
        if (i == debut && majuscule(c) && minuscule(suivant))
            continue;
        garder(propre.mid(debut, i - debut + 1));
        debut = i + 1;
    }
    if (debut < propre.size())
        garder(propre.mid(debut));

    QStringList resultat;
    for (const QString& brut : bruts) {
        const QString mot = brut.trimmed();
        if (mot.size() >= 3)
            resultat.append(formeMot(mot));
    }
    return resultat;
}

NomAnalyse analyser(const QString& nomBase, const FormatNoms& format) {
    NomAnalyse a;
    // A short name is pushed right so that it never reads as dated.
    const QString travail = nomBase.size() < 10 ? QString(13, QLatin1Char(' ')) + nomBase : nomBase;
    const int annee = valeur(travail.left(4));
    if (annee > 1800 && annee < 2050) {
        if (format.compact) {
            a.etat = valeur(travail.mid(4, 2)) >= 13 ? EtatNom::MoisIncorrect : EtatNom::Date;
            a.mois = nomBase.mid(4, 2);
        } else if (travail.size() > 4 && travail[4] == QLatin1Char('-')) {
            a.etat = valeur(travail.mid(5, 2)) > 12 ? EtatNom::MoisIncorrect : EtatNom::Date;
            a.mois = nomBase.mid(5, 2);
        }
    }
    if (a.estDate())
        a.annee = nomBase.left(4);
    else
        a.mois.clear();

    a.mots = mots(a.estDate() ? nomBase.mid(8) : nomBase);
    for (const QString& mot : a.mots) {
        a.motsIptc += mot + QStringLiteral("\r\n");
        a.motsXp += mot + QLatin1Char(' ');
    }
    return a;
}

} // namespace AnalyseNom
