#pragma once

#include <QString>
#include <QStringList>

// Lumeno3.txt, the screen saver's settings, in the user's configuration folder. Its 22 lines keep
// the layout of the settings file's first lines, so that a copy of Lumeno1.txt also serves.

// $XDG_CONFIG_HOME/lumeno, by default ~/.config/lumeno.
QString dossierConfiguration();
QString cheminFichierVeille(const QString& dossier = dossierConfiguration());

// The values as the settings dialog holds them.
struct FichierVeille {
    QString cheminProgramme;                         // CmdChemin (line 16)
    QString aleatoire = QStringLiteral("Aléatoire"); // CmdAleatoire: "Aléatoire" or a skip count
    QString mot = QStringLiteral(" ");               // CmdMot: search word
    QString tempo = QStringLiteral("20");            // CmdTempo: seconds between photos
    bool internet = false;                           // VeilleInternetCheck
    QString motInternet;                             // VeillePasseInternet
    QString annee;                                   // CmdAnnee
};

struct LectureVeille {
    bool present = false; // the file was found and read
    QStringList lignes;   // every line of the file (line 16 is lignes[15])
    bool complet() const { return lignes.size() >= 22; }
    // The line at a 1-based position, empty past the end.
    QString ligne(int numero) const;
};

LectureVeille lireFichierVeille(const QString& dossier = dossierConfiguration());

// The dialog's reading: line 16 whole, the first 12 characters of line 17, 8 of 18, 3 of 19, the
// check from the first character of line 20, line 21 whole, 8 characters of line 22. Lines past the
// end of the file keep the defaults.
FichierVeille saisieVeille(const LectureVeille& lecture);

// The 22 lines. Line 17 is "Aléatoire" when the typed value is below 1 (text included).
QStringList lignesFichierVeille(const FichierVeille& valeurs);

// Writes the file (creating the folder) through a temporary file; false with the reason on failure.
bool ecrireFichierVeille(const FichierVeille& valeurs, const QString& dossier = dossierConfiguration(),
                         QString* erreur = nullptr);
