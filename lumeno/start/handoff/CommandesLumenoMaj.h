#pragma once

#include <QString>
#include <QStringList>

// The jobs the main program hands to LumenoMaj. Each writes the command file LumenoMaj.ini in the
// program folder (replacing the previous one) and starts LumenoMaj there; nothing goes on the
// command line. Failures are told to the user through Boite.
namespace CommandesLumenoMaj {

enum class ModeExif {
    LecturePhoto,  // "Propriétés de la Photo affichée": the metadata of the photo on display
    DateExif,      // "Renommer des Photos Numériques en AAAA-MM (EXIF)"
    EcrireDossier, // "Remplissage de Exif IPTC et Microsoft": every photo of the folder
};

enum class Resultat {
    Lance,          // the command is written and LumenoMaj started
    Refuse,         // nothing to hand over (no photo, or not a JPEG photo): nothing written
    EchecEcriture,  // the command file could not be written: LumenoMaj not started
    EchecLancement, // the command is written but LumenoMaj could not be started
};

// The lines of the "Exif" command: "Exif", the mode word, the folder followed by "/", the photo's
// file name (its base name alone for the folder job), the name format ("AAAA-MM" when empty).
// nomFichier is always the real file name with its extension, or empty.
QStringList lignesExif(ModeExif mode, const QString& dossier, const QString& nomFichier,
                       const QString& formatNoms);

// The Exif jobs; the main program keeps running. The photo jobs need the photo's real file name
// (with its own extension) and refuse a photo that is not a JPEG; an empty name does nothing. The
// folder job takes the folder of the photo on display, or the folder of the file list.
Resultat lancerExif(const QString& dossierProgramme, ModeExif mode, const QString& dossier,
                    const QString& nomFichier, const QString& formatNoms);

// "MajPHP-" followed by the folder of the PHP list file. The main program quits right after, unless
// the command could not be written (see doitQuitter).
Resultat lancerMajPhp(const QString& dossierProgramme, const QString& dossier);

// "Regedit": LumenoMaj opens its update window and stays idle.
Resultat lancerRegedit(const QString& dossierProgramme);

// Starts LumenoMaj from the program folder, in that folder. No message.
bool demarrerLumenoMaj(const QString& dossierProgramme);

// True when the main program must quit after handing over an update or the PHP job: once the
// command is written, also when LumenoMaj failed to start.
bool doitQuitter(Resultat resultat);

// True for the names of photos LumenoMaj can read (".jpg", ".jpeg", any case).
bool estNomJpeg(const QString& nomFichier);

} // namespace CommandesLumenoMaj
