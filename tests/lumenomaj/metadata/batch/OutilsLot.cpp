#include "OutilsLot.h"

#include <FichierJpeg.h>

#include <QDir>
#include <QFile>

namespace OutilsLot {

QString photoTest(const QString& nom) {
    return QStringLiteral(LUMENO_TESTDATA_DIR) + QStringLiteral("/jpeg/") + nom;
}

QString copier(const QString& nomTest, const QString& dossier, const QString& nom) {
    const QString cible = QDir(dossier).filePath(nom);
    QFile::copy(photoTest(nomTest), cible);
    QFile::setPermissions(cible, QFile::permissions(cible) | QFileDevice::WriteOwner);
    return cible;
}

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray donneesImage(const QString& chemin) {
    FichierJpeg jpeg;
    if (!jpeg.lire(chemin) || !jpeg.aDesDonneesImage())
        return {};
    return lire(chemin).mid(jpeg.positionImage());
}

} // namespace OutilsLot
