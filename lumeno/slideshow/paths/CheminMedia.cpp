#include "CheminMedia.h"

#include <QDir>
#include <QFileInfo>

namespace CheminMedia {

QString nomReel(const QString& nom) {
    if (nom.endsWith(QChar(2)))
        return nom.left(nom.size() - 1) + QLatin1Char(' ');
    return nom;
}

QString cheminTexte(const QString& rep, const QString& nom, const QString& type) {
    QString dossier = rep;
    if (!dossier.endsWith(QLatin1Char('/')))
        dossier += QLatin1Char('/');
    return dossier + nomReel(nom) + QLatin1Char('.') + type;
}

QString fichierReel(const QString& rep, const QString& nom, const QString& type) {
    const QString exact = cheminTexte(rep, nom, type);
    if (QFileInfo(exact).isFile())
        return exact;

    const QString base = nomReel(nom);
    // The scan stored every written form of MPEG as m99; the file itself still says mpeg.
    QStringList voulus{base + QLatin1Char('.') + type};
    if (type.compare(QLatin1String("m99"), Qt::CaseInsensitive) == 0)
        voulus.prepend(base + QLatin1String(".mpeg"));

    const QDir dossier(rep.isEmpty() ? QStringLiteral("/") : rep);
    const QStringList fichiers = dossier.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& voulu : voulus) {
        for (const QString& f : fichiers) {
            if (f.compare(voulu, Qt::CaseInsensitive) == 0)
                return dossier.filePath(f);
        }
    }
    return exact;
}

} // namespace CheminMedia
