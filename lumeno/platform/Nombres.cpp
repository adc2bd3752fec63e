#include "Nombres.h"

#include <limits>

namespace Nombres {

qint64 valeur(QStringView texte) {
    qsizetype i = 0;
    while (i < texte.size() && texte[i] == QLatin1Char(' '))
        ++i;
    bool negatif = false;
    if (i < texte.size() && (texte[i] == QLatin1Char('-') || texte[i] == QLatin1Char('+'))) {
        negatif = texte[i] == QLatin1Char('-');
        ++i;
    }
    qint64 v = 0;
    constexpr qint64 maxi = std::numeric_limits<qint64>::max();
    while (i < texte.size() && texte[i] >= QLatin1Char('0') && texte[i] <= QLatin1Char('9')) {
        const int chiffre = texte[i].unicode() - u'0';
        v = v > (maxi - chiffre) / 10 ? maxi : v * 10 + chiffre;
        ++i;
    }
    return negatif ? -v : v;
}

int valeurEntier(QStringView texte) {
    const qint64 v = valeur(texte);
    if (v > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

QString texteSigne(qint64 n) {
    return n >= 0 ? QLatin1Char(' ') + QString::number(n) : QString::number(n);
}

QString milieu(QStringView texte, int position, int longueur) {
    QString out;
    if (longueur <= 0)
        return out;
    out.reserve(longueur);
    for (int k = 0; k < longueur; ++k)
        out.append(caractere(texte, position + k));
    return out;
}

QChar caractere(QStringView texte, int position) {
    if (position < 1 || position > texte.size())
        return QLatin1Char(' ');
    return texte[position - 1];
}

} // namespace Nombres
