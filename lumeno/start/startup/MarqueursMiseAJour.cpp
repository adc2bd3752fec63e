#include "MarqueursMiseAJour.h"

#include "NomsFichiers.h"
#include "TexteFichier.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace MarqueursMiseAJour {

Remplacement remplacerUtilitaire(const QString& dossierProgramme, QString* erreur) {
    const QDir dossier(dossierProgramme);
    const QString source = dossier.filePath(NomsFichiers::nouvelUtilitaire);
    const QString cible = dossier.filePath(NomsFichiers::utilitaire);
    const QString temporaire = cible + QStringLiteral(".nouveau");
    if (!QFileInfo(source).isFile())
        return Remplacement::Manquant;
    QFile::remove(temporaire);
    if (!QFile::copy(source, temporaire)) {
        if (erreur)
            *erreur = QStringLiteral("copie impossible vers ") + temporaire;
        return Remplacement::Echec;
    }
    QFile::setPermissions(temporaire, QFile::permissions(temporaire) | QFile::ExeOwner | QFile::ExeGroup |
                                          QFile::ExeOther | QFile::WriteOwner);
    std::error_code ec;
    std::filesystem::rename(temporaire.toStdString(), cible.toStdString(), ec);
    if (ec) {
        QFile::remove(temporaire);
        if (erreur)
            *erreur = QString::fromStdString(ec.message());
        return Remplacement::Echec;
    }
    return Remplacement::Fait;
}

bool estArchiveMiseAJour(const QString& nomFichier) {
    return nomFichier == QLatin1String("Lumeno00.exe") || nomFichier == QLatin1String("Lumeno00.zip");
}

bool nettoyerTelechargement(const QString& dossierProgramme) {
    const QString marqueur = QDir(dossierProgramme).filePath(NomsFichiers::marqueurTelechargement);
    if (!QFileInfo::exists(marqueur))
        return false;
    bool supprime = false;
    const TexteFichier::Lecture l = TexteFichier::lire(marqueur);
    if (l.ok && !l.lignes.isEmpty()) {
        const QFileInfo archive(l.lignes.first().trimmed());
        if (archive.isFile() && !archive.isSymLink() && estArchiveMiseAJour(archive.fileName()))
            supprime = QFile::remove(archive.absoluteFilePath());
    }
    QFile::remove(marqueur);
    return supprime;
}

} // namespace MarqueursMiseAJour
