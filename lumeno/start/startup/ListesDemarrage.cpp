#include "ListesDemarrage.h"

#include <QDir>
#include <QFileInfo>

namespace ListesDemarrage {

QStringList repertoires(const std::array<RacineCatalogue, 3>& racines) {
    QStringList r;
    for (const auto& racine : racines) {
        if (!racine.cochee || !racine.disponible || racine.chemin.isEmpty())
            continue;
        const QFileInfoList dossiers =
            QDir(racine.chemin).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
        for (const QFileInfo& d : dossiers) {
            if (d.isSymLink())
                continue;
            const QString chemin = d.absoluteFilePath();
            if (chemin.contains(QLatin1String("x-Lumeno")))
                continue;
            r << chemin;
        }
    }
    return r;
}

QStringList annees(const QList<int>& lues, int anneeMaxiPhotos) {
    QStringList l{QString()};
    for (int a : lues)
        if (a > 1800 && a <= anneeMaxiPhotos)
            l << QString::number(a);
    return l;
}

QStringList mois(const QList<int>& lus) {
    QStringList l{QString()};
    for (int m : lus)
        if (m >= 1 && m <= 12)
            l << QString::number(m);
    return l;
}

QStringList mots(const QStringList& lus) {
    return QStringList{QStringLiteral(" ")} + lus;
}

} // namespace ListesDemarrage
