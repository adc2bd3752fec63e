#pragma once

#include <QString>

// The scan's own texts.
namespace MessagesScan {

QString aucuneRacine();
QString lecture();
QString tri();
QString limiteDepassee(int limite, int nombre);
QString sauvegarde();
QString classementMots();
QString activation();

// Message boxes: title and text.
QString titreModeleAbsent();
QString modeleAbsent(const QString& dossierProgramme);
QString titreBaseVide();
QString baseVide(const QString& dossier);
QString titreRenommage();
QString renommage(int nombreRenommes);
QString titreRacineIndisponible();
QString racineIndisponible(const QString& racine);
QString titreErreurEcriture();
QString erreurBase(const QString& detail);
QString erreurReglages(const QString& chemin, const QString& detail);
QString erreurListe(const QString& chemin, const QString& detail);

} // namespace MessagesScan
