#pragma once

#include <QString>
#include <QStringList>

// The screen saver's copy of the settings, Lumeno3.txt, in the user's configuration folder.
namespace CopieVeille {

struct Lecture {
    bool trouve = false; // the file exists
    bool ok = false;     // it could be read
    QStringList lignes;
};

QString chemin();
Lecture lire();
// Writes the lines through a temporary file; false (and the reason) when it failed.
bool ecrire(const QStringList& lignes, QString* erreur = nullptr);

} // namespace CopieVeille
