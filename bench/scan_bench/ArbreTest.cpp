#include "ArbreTest.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

const char* const Mots[] = {"Plage",    "Nice",      "Montagne", "Anniversaire", "Mariage",
                            "Noel",     "Ecole",     "Vacances", "Famille",      "Jardin",
                            "Chalet",   "Randonnee", "Bateau",   "Concert",      "Paris",
                            "Bretagne", "Cousins",   "Soleil",   "Neige",        "Fete"};
const char* const Mois[] = {"Janvier", "Fevrier", "Mars",      "Avril",   "Mai",      "Juin",
                            "Juillet", "Aout",    "Septembre", "Octobre", "Novembre", "Decembre"};
const char* const Extensions[] = {"jpg", "JPG", "jpg", "Jpg", "jpg", "gif", "bmp", "jpg", "JPG", "jpg",
                                  "mp3", "avi", "wav", "txt", "MPG", "xyz", "jpg", "jpg", "m3u", "db"};

void toucher(const QByteArray& chemin) {
    const int fd = ::open(chemin.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
        if (chemin.endsWith(".txt"))
            (void)!::write(fd, "Un commentaire.\r\n", 17);
        ::close(fd);
    }
}

} // namespace

int genererArbre(const QString& racine, int n) {
    int ecrits = 0;
    unsigned graine = 12345;
    auto hasard = [&graine](int m) {
        graine = graine * 1103515245u + 12345u;
        return int((graine >> 16) % unsigned(m));
    };
    const int parDossier = 40;
    int dossier = 0;
    while (ecrits < n) {
        const int annee = 1995 + dossier % 30;
        const int mois = 1 + dossier % 12;
        QString relatif;
        switch (dossier % 4) {
        case 0: // a dated event folder two levels down
            relatif = QStringLiteral("%1/%1 %2 %3").arg(annee).arg(Mois[mois - 1]).arg(Mots[hasard(20)]);
            break;
        case 1: // deeper, with words only
            relatif =
                QStringLiteral("Albums/%1/%2/Lot%3").arg(Mots[hasard(20)], Mots[hasard(20)]).arg(dossier);
            break;
        case 2: // a camera dump
            relatif = QStringLiteral("Appareil/%1-%2/DCIM%3")
                          .arg(annee)
                          .arg(mois, 2, 10, QLatin1Char('0'))
                          .arg(dossier);
            break;
        default: // already renamed into the dated scheme
            relatif = QStringLiteral("Classees/%1/%1-%2 %3")
                          .arg(annee)
                          .arg(mois, 2, 10, QLatin1Char('0'))
                          .arg(Mots[hasard(20)]);
            break;
        }
        relatif += QStringLiteral("/D%1").arg(dossier);
        const QString chemin = racine + QLatin1Char('/') + relatif;
        QDir().mkpath(chemin);
        const QByteArray base = QFile::encodeName(chemin) + '/';
        for (int f = 0; f < parDossier && ecrits < n; ++f, ++ecrits) {
            const char* ext = Extensions[hasard(20)];
            QByteArray nom;
            switch (hasard(5)) {
            case 0:
                nom = QStringLiteral("%1-%2-%3-%4")
                          .arg(annee)
                          .arg(mois, 2, 10, QLatin1Char('0'))
                          .arg(f)
                          .arg(Mots[hasard(20)])
                          .toUtf8();
                break;
            case 1:
                nom = QStringLiteral("%1%2%3_%4")
                          .arg(annee)
                          .arg(mois, 2, 10, QLatin1Char('0'))
                          .arg(f, 2, 10, QLatin1Char('0'))
                          .arg(hasard(9999))
                          .toUtf8();
                break;
            case 2:
                nom = QStringLiteral("IMG_%1").arg(dossier * 100 + f, 5, 10, QLatin1Char('0')).toUtf8();
                break;
            case 3:
                nom = QStringLiteral("%1 %2 %3").arg(Mots[hasard(20)], Mots[hasard(20)]).arg(f).toUtf8();
                break;
            default:
                nom = QStringLiteral("%1%2").arg(Mots[hasard(20)]).arg(f).toUtf8();
                break;
            }
            toucher(base + nom + '.' + ext);
        }
        ++dossier;
    }
    return ecrits;
}
