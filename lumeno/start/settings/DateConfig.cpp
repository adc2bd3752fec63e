#include "DateConfig.h"

#include "Nombres.h"

namespace {

bool chiffres(const QString& texte) {
    for (QChar c : texte) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return !texte.isEmpty();
}

} // namespace

QString texteDateConfig(const QDate& date) {
    if (!date.isValid())
        return QString();
    return QStringLiteral("%1/%2/%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QDate lireDateConfig(const QString& texte) {
    const QString t = texte.trimmed();
    const QString jour = Nombres::milieu(t, 1, 2);
    const QString mois = Nombres::milieu(t, 4, 2);
    const QString annee = Nombres::milieu(t, 7, 4);
    if (!chiffres(jour) || !chiffres(mois) || !chiffres(annee))
        return QDate();
    return QDate(annee.toInt(), mois.toInt(), jour.toInt()); // invalid for 31/02 and the like
}
