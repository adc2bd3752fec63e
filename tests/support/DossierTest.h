#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary folder for a test, with short ways to lay files in it.
class DossierTest {
public:
    DossierTest();
    QString chemin() const { return dir_.path(); }
    // Path of a file or folder inside, relative with "/" separators.
    QString chemin(const QString& relatif) const;
    // Creates the file with its parent folders; returns its path.
    QString fichier(const QString& relatif, const QByteArray& contenu = {});
    QString dossier(const QString& relatif);

private:
    QTemporaryDir dir_;
};
