#pragma once

#include <QString>

// Which of the program's own files the program folder holds, by exact, case-sensitive name.
struct PresenceFichiers {
    bool programme = false; // ModeCatalogue: slideshows draw from the catalogue
    bool catalogue = false;
    bool modeleCatalogue = false;
    bool reglages = false;
    bool contextes = false;
    bool aideDfi = false;

    static PresenceFichiers dans(const QString& dossier);
};

// A file the program may write: its owner's write permission is set (the mark a CD copy loses) and
// the system lets the current user write it.
bool fichierModifiable(const QString& chemin);
