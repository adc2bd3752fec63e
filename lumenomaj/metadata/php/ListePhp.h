#pragma once

#include <QString>

// The photo list of the web gallery, Lumeno-Php-MyBase.txt: one photo a line, fields separated by
// ",", the fourth field the folder name. Lines are kept byte for byte; only whole lines are removed.
namespace ListePhp {

inline const QString kListe = QStringLiteral("Lumeno-Php-MyBase.txt");
inline const QString kSauvegarde = QStringLiteral("Lumeno-Php-MyBase-Old.txt");

QString cheminListe(const QString& dossier);
QString cheminSauvegarde(const QString& dossier);

// The fourth field of a line (without its line end); empty and false when the line has fewer than
// three commas.
bool quatriemeChamp(const QString& ligne, QString* champ);

struct Resultat {
    bool ok = false;
    int supprimees = 0; // lines removed, counted only once the new list is in place
    QString erreur;     // French, when ok is false
};

// Copies the list to its backup, through a temporary file renamed over the old backup.
Resultat sauvegarder(const QString& dossier);

// Writes the list again from its backup without the lines whose fourth field is exactly nomDossier.
// The new list is written to a temporary file renamed over the list: on any failure the list stays
// as it was.
Resultat supprimerDossier(const QString& dossier, const QString& nomDossier);

} // namespace ListePhp
