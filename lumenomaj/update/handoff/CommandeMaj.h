#pragma once

#include <QString>
#include <QStringList>

#include <variant>

// The jobs the command file LumenoMaj.ini can ask for, parsed from its lines.

enum class ModeExif {
    LecturePhoto,  // one photo in the metadata window (mode word starting with "Lecture")
    DateExif,      // rename the photos after their EXIF date (mode word starting with "DateExif")
    EcrireDossier, // fill the fields of every photo of the folder from its name (any other word)
};

struct CommandeExif {
    ModeExif mode = ModeExif::EcrireDossier;
    QString motMode;            // line 2 as written
    QString dossier;            // line 3, ending with "/"
    QString nomFichier;         // line 4 as written
    QString nomBase;            // the file name without its extension (the line itself for a folder job)
    QString cheminPhoto;        // dossier + nomFichier
    QString formatNoms;         // line 5
    bool formatCompact = false; // the format starts with "AAAAMM"
    bool formatJour = false;    // the format has "JJ" at characters 7 and 8
};

struct CommandeMajPhp {
    QString dossier; // the folder of the PHP list file; may be empty
};

struct CommandeRegedit {};

// A command that names a job but cannot be run, with the reason in French.
struct CommandeRefusee {
    QString raison;
};

// No command: no file, an empty one, or a first line that names no job.
struct SansCommande {};

using CommandeMaj =
    std::variant<SansCommande, CommandeExif, CommandeMajPhp, CommandeRegedit, CommandeRefusee>;

namespace CommandesMaj {

// The first line with the spaces at both ends removed.
QString premiereLigne(const QStringList& lignes);

CommandeMaj analyser(const QStringList& lignes);

// True for the names of photos the metadata code can read (".jpg" and ".jpeg", any case).
bool estNomJpeg(const QString& nomFichier);

} // namespace CommandesMaj
