#pragma once

#include <QString>
#include <QStringList>

// The entries of one folder, as the scan walks them: its files and its sub-folders, each in name
// order (ASCII case ignored first, then exact), the way a directory list shows them. Names only: nothing
// is opened and no file's details are read, except for a symbolic link, which is looked at to
// tell a file from a folder. Links to folders are left out (the walk never follows them, so a link
// loop cannot trap it).
struct ListeDossier {
    bool lisible = false; // false when the folder could not be opened
    QStringList fichiers;
    QStringList sousDossiers;
};

ListeDossier listerDossier(const QString& chemin);

// The system's own pseudo file systems (/proc, /sys, /dev, /run): a walk from "/" never enters
// them. A root chosen below one of them (a USB key under /run/media) is walked as usual.
bool estDossierSysteme(const QString& chemin);

// Size of a file in bytes, -1 when it cannot be read (it vanished, say).
qint64 tailleFichier(const QString& chemin);
