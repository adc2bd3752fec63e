#include "CopieVeille.h"

#include "TexteFichier.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace CopieVeille {

QString chemin() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/lumeno/Lumeno3.txt");
}

Lecture lire() {
    Lecture lecture;
    const QString fichier = chemin();
    lecture.trouve = QFileInfo(fichier).isFile();
    if (!lecture.trouve) {
        return lecture;
    }
    const TexteFichier::Lecture lu = TexteFichier::lire(fichier);
    lecture.ok = lu.ok;
    lecture.lignes = lu.lignes;
    return lecture;
}

bool ecrire(const QStringList& lignes, QString* erreur) {
    const QString fichier = chemin();
    if (!QDir().mkpath(QFileInfo(fichier).absolutePath())) {
        if (erreur) {
            *erreur = QStringLiteral("dossier impossible à créer");
        }
        return false;
    }
    return TexteFichier::ecrire(fichier, lignes, erreur);
}

} // namespace CopieVeille
