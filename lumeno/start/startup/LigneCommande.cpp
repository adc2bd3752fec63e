#include "LigneCommande.h"

namespace {

// The switch letter of a whole argument "/x", "-x", "x", or "/x:…", "-x:…", "/x …"; 0 otherwise.
QChar lettreInterrupteur(const QString& argument, QString* reste) {
    QString a = argument.trimmed();
    if (a.startsWith(QLatin1Char('/')) || a.startsWith(QLatin1Char('-')))
        a = a.mid(1);
    if (a.isEmpty())
        return {};
    const QChar lettre = a.at(0).toLower();
    if (a.size() == 1) {
        reste->clear();
        return lettre;
    }
    const QChar suite = a.at(1);
    if (suite == QLatin1Char(':') || suite == QLatin1Char(' ')) {
        *reste = a.mid(2).trimmed();
        return lettre;
    }
    return {};
}

} // namespace

LigneCommande LigneCommande::analyser(const QStringList& arguments) {
    LigneCommande l;
    if (arguments.isEmpty())
        return l;
    QString reste;
    const QChar lettre = lettreInterrupteur(arguments.first(), &reste);
    const QStringList suivants = arguments.mid(1);
    if (lettre == QLatin1Char('s')) {
        l.mode = Mode::Veille;
        return l;
    }
    if (lettre == QLatin1Char('c')) {
        l.mode = Mode::ReglageVeille;
        return l;
    }
    if (lettre == QLatin1Char('a')) {
        l.mode = Mode::Rien;
        return l;
    }
    if (lettre == QLatin1Char('p')) {
        l.mode = Mode::Apercu;
        const QString numero = reste.isEmpty() && !suivants.isEmpty() ? suivants.first().trimmed() : reste;
        bool ok = false;
        l.fenetre = numero.toULongLong(&ok, 0);
        if (!ok)
            l.fenetre = 0;
        return l;
    }
    // A file: the arguments joined back (a shell may have split a name with spaces), one pair of
    // surrounding double quotes removed.
    QString texte = arguments.join(QLatin1Char(' ')).trimmed();
    if (texte.startsWith(QLatin1Char('"'))) {
        texte = texte.mid(1);
        if (texte.endsWith(QLatin1Char('"')))
            texte.chop(1);
    }
    l.fichier = texte;
    return l;
}
