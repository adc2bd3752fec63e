#include "PresenceFichiers.h"

#include "NomsFichiers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

PresenceFichiers PresenceFichiers::dans(const QString& dossier) {
    // The names come from the folder listing, so "lumeno1.mdb" is not taken for "Lumeno1.mdb" even on
    // a file system that ignores case.
    const QStringList noms =
        QDir(dossier).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    const QSet<QString> presents(noms.begin(), noms.end());
    PresenceFichiers p;
    p.programme = presents.contains(NomsFichiers::programme);
    p.catalogue = presents.contains(NomsFichiers::catalogue);
    p.modeleCatalogue = presents.contains(NomsFichiers::modeleCatalogue);
    p.reglages = presents.contains(NomsFichiers::reglages);
    p.contextes = presents.contains(NomsFichiers::contextes);
    p.aideDfi = presents.contains(NomsFichiers::aideDfi);
    return p;
}

bool fichierModifiable(const QString& chemin) {
    const QFileInfo f(chemin);
    return f.isWritable() && (f.permissions() & QFile::WriteOwner);
}
