#include "AnatomieNom.h"

AnatomieNom decouperNom(const QString& nomFichier) {
    AnatomieNom a;
    const qsizetype n = nomFichier.size();
    if (n < 5)
        return a;
    qsizetype point = -1;
    if (nomFichier[n - 4] == QLatin1Char('.'))
        point = n - 4;
    else if (nomFichier[n - 5] == QLatin1Char('.'))
        point = n - 5;
    if (point < 0)
        return a;
    a.media = true;
    a.base = nomFichier.left(point);
    a.extension = nomFichier.mid(point + 1);
    a.baseMarquee = marquerEspaceFinal(a.base);
    return a;
}

QString marquerEspaceFinal(const QString& base) {
    if (!base.endsWith(QLatin1Char(' ')))
        return base;
    QString m = base;
    m[m.size() - 1] = kMarqueEspaceFinal;
    return m;
}

QString retablirEspaceFinal(const QString& nomStocke) {
    if (!nomStocke.endsWith(kMarqueEspaceFinal))
        return nomStocke;
    QString r = nomStocke;
    r[r.size() - 1] = QLatin1Char(' ');
    return r;
}
