#pragma once

#include <QString>

// The files an update leaves in the program folder for the main program to finish with.
namespace MarqueursMiseAJour {

enum class Remplacement { Fait, Manquant, Echec };

// Puts LumenoMajExe.tmp in place of LumenoMaj: copied to a temporary name beside it, made executable,
// then renamed over it, so a failed copy never leaves a broken LumenoMaj. The .tmp file stays.
Remplacement remplacerUtilitaire(const QString& dossierProgramme, QString* erreur = nullptr);

// Clears the download marker: the file named on its first line is deleted only when it is a regular
// file named like the update archive; the marker itself is deleted in every case.
// Returns true when the archive was deleted.
bool nettoyerTelechargement(const QString& dossierProgramme);

// The name of a downloaded update archive.
bool estArchiveMiseAJour(const QString& nomFichier);

} // namespace MarqueursMiseAJour
