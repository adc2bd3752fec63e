#include "FormatDeclare.h"

FormatDeclare analyserFormat(const QString& motif) {
    FormatDeclare f;
    const QString t = motif.trimmed();
    if (t.isEmpty())
        return f;
    const QString m = t + QStringLiteral("     ");
    const auto a = [&m](int position, QLatin1String texte) {
        return QStringView(m).mid(position - 1).startsWith(texte);
    };
    bool quatreChiffres = false;
    for (int p = 1; p <= m.size() - 2; ++p) {
        if (a(p, QLatin1String("AAAA"))) {
            f.positionAnnee = p;
            f.chiffresAnnee = 4;
            quatreChiffres = true;
        } else if (!quatreChiffres && a(p, QLatin1String("AA"))) {
            f.positionAnnee = p;
            f.chiffresAnnee = 2;
        }
        if (a(p, QLatin1String("MM")))
            f.positionMois = p;
    }
    if (f.chiffresAnnee == 4 && f.positionMois == 5 && a(7, QLatin1String("JJ")))
        f.positionJour = 7;
    f.declare = f.positionAnnee > 0;
    return f;
}
