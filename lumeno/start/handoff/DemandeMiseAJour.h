#pragma once

#include <QString>
#include <QStringList>

// Asking LumenoMaj for an update: the installation screen clears the attributes of the files the
// update replaces, leaves the marker LumenoLog1.tmp naming the source, and a second later starts
// LumenoMaj and quits.
namespace DemandeMiseAJour {

// The three sources the marker can name besides a folder.
inline const QString kSourceWeb = QStringLiteral("Mise à jour via Web");
inline const QString kSourceVeille = QStringLiteral("Installation Veille Ecran");

// The files whose attributes are cleared: those of the program folder, then the screen saver in the
// system folder. Missing files are skipped.
QStringList fichiersARendreModifiables(const QString& dossierProgramme, const QString& dossierSysteme);

// The system folder of the screen saver: the program's configuration folder.
QString dossierSystemeParDefaut();

// Makes each existing file writable by its owner; errors are ignored. Returns the files that are still
// read-only afterwards, for the caller's log.
QStringList rendreModifiables(const QStringList& fichiers);

// Clears the attributes and writes LumenoLog1.tmp with its one line (a folder, kSourceWeb or
// kSourceVeille). A marker that cannot be written is told to the user and false returned: the
// update is then not started.
bool demander(const QString& dossierProgramme, const QString& source,
              const QString& dossierSysteme = dossierSystemeParDefaut());

// Starts LumenoMaj (after the one-second wait, which is the caller's timer). On failure the user is
// told; the main program quits in either case.
bool lancer(const QString& dossierProgramme);

} // namespace DemandeMiseAJour
