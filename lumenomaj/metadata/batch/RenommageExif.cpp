#include "RenommageExif.h"

#include "PhotoMetadonnees.h"

#include <TexteExif.h>

#include <QFile>
#include <QFileInfo>

namespace {

QString texteEntree(const Ifd& ifd, quint32 tag) {
    const EntreeIfd* e = ifd.trouver(tag);
    return e ? ChargementPhoto::avantZero(texteAscii(e->donnees)).trimmed() : QString();
}

bool chiffres(QStringView t) {
    for (QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return !t.isEmpty();
}

} // namespace

namespace RenommageExif {

QString dateExif(const BlocExif& bloc) {
    for (const auto& [ifd, tag] :
         {std::pair{&bloc.exif, 36868u}, std::pair{&bloc.exif, 36867u}, std::pair{&bloc.ifd0, 306u}}) {
        const QString t = texteEntree(*ifd, tag);
        if (!t.isEmpty())
            return t;
    }
    return {};
}

QString prefixe(const QString& d, bool compact, int anneeMaxi) {
    if (d.size() < 19)
        return {};
    const QString forme = QStringLiteral("NNNN:NN:NN NN:NN:NN");
    for (int i = 0; i < 19; ++i) {
        const bool chiffre = forme[i] == QLatin1Char('N');
        if (chiffre ? !chiffres(QStringView(d).mid(i, 1)) : d[i] != forme[i])
            return {};
    }
    const int annee = d.left(4).toInt();
    const int mois = d.mid(5, 2).toInt();
    const int jour = d.mid(8, 2).toInt();
    if (annee <= 1800 || annee > anneeMaxi || mois < 1 || mois > 12 || jour < 1 || jour > 31)
        return {};
    const QString heure = d.mid(11, 2) + d.mid(14, 2) + d.mid(17, 2);
    if (compact)
        return d.left(4) + d.mid(5, 2) + d.mid(8, 2) + QLatin1Char('-') + heure;
    return d.left(4) + QLatin1Char('-') + d.mid(5, 2) + QLatin1Char('-') + d.mid(8, 2) + QLatin1Char('-') +
           heure;
}

Resultat renommer(const QString& ancien, const QString& nouveau) {
    if (QFileInfo::exists(nouveau) || QFileInfo(nouveau).isSymLink())
        return Resultat::Occupee;
    // QFile::rename refuses an existing target too, so a file that appears meanwhile is not replaced.
    return QFile::rename(ancien, nouveau) ? Resultat::Renommee : Resultat::Echec;
}

} // namespace RenommageExif
