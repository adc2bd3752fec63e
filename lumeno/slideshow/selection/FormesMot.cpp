#include "FormesMot.h"

namespace FormesMot {

QString plier(const QString& mot) {
    QString f = mot;
    for (QChar& c : f) {
        switch (c.unicode()) {
        case u'é':
        case u'è':
        case u'ê':
        case u'ë':
            c = QLatin1Char('e');
            break;
        case u'à':
        case u'â':
            c = QLatin1Char('a');
            break;
        case u'ç':
            c = QLatin1Char('c');
            break;
        case u'ô':
        case u'ö':
            c = QLatin1Char('o');
            break;
        case u'î':
        case u'ï':
            c = QLatin1Char('i');
            break;
        case u'ü':
        case u'ù':
        case u'û':
            c = QLatin1Char('u');
            break;
        case u'Î':
            c = QLatin1Char('I');
            break;
        default:
            break;
        }
    }
    return f;
}

QString capitalise(const QString& texte) {
    QString t = texte.toLower();
    bool debutMot = true;
    for (QChar& c : t) {
        if (c.isSpace()) {
            debutMot = true;
        } else if (debutMot) {
            c = c.toUpper();
            debutMot = false;
        }
    }
    return t;
}

std::array<QString, 8> huitFormes(const QString& mot) {
    const QString f = plier(mot);
    return {mot, mot.toUpper(), mot.toLower(), capitalise(mot), f, f.toUpper(), f.toLower(), capitalise(f)};
}

QString motListe(const QString& texte, int index) {
    if (index > 0)
        return texte;
    if (index == 0)
        return {};
    QString m = texte.trimmed();
    if (!m.isEmpty() && m[0] >= QLatin1Char('a') && m[0] <= QLatin1Char('z'))
        m[0] = m[0].toUpper();
    return m;
}

} // namespace FormesMot
