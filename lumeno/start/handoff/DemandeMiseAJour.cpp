#include "DemandeMiseAJour.h"

#include "Boite.h"
#include "CommandesLumenoMaj.h"
#include "TexteFichier.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString dansDossier(const QString& dossier, const QString& nom) {
    return dossier.endsWith(QLatin1Char('/')) ? dossier + nom : dossier + QLatin1Char('/') + nom;
}

} // namespace

namespace DemandeMiseAJour {

QStringList fichiersARendreModifiables(const QString& dossierProgramme, const QString& dossierSysteme) {
    QStringList fichiers;
#ifdef Q_OS_WIN
    const QString utilitaire = QStringLiteral("LumenoMaj.exe");
#else
    const QString utilitaire = QStringLiteral("LumenoMaj");
#endif
    for (const QString& nom : {utilitaire, QStringLiteral("Lumeno2.mdb"), QStringLiteral("Lumeno1.mdb"),
                               QStringLiteral("Lumeno1.txt"), QStringLiteral("Lumeno2.txt"),
                               QStringLiteral("Lumeno4.ini"), QStringLiteral("Lumeno2.dfi")})
        fichiers << dansDossier(dossierProgramme, nom);
    fichiers << dansDossier(dossierSysteme, QStringLiteral("Lumeno.scr"));
    return fichiers;
}

QString dossierSystemeParDefaut() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/lumeno");
}

QStringList rendreModifiables(const QStringList& fichiers) {
    QStringList restes;
    for (const QString& f : fichiers) {
        if (!QFileInfo::exists(f))
            continue;
        const QFileDevice::Permissions p = QFile::permissions(f);
        if (!(p & QFileDevice::WriteOwner))
            QFile::setPermissions(f, p | QFileDevice::WriteOwner);
        if (!(QFile::permissions(f) & QFileDevice::WriteOwner))
            restes << f;
    }
    return restes;
}

bool demander(const QString& dossierProgramme, const QString& source, const QString& dossierSysteme) {
    rendreModifiables(fichiersARendreModifiables(dossierProgramme, dossierSysteme));
    const QString marqueur = dansDossier(dossierProgramme, QStringLiteral("LumenoLog1.tmp"));
    QString erreur;
    if (!TexteFichier::ecrire(marqueur, {source}, &erreur)) {
        Boite::information(QStringLiteral("Erreur"), QStringLiteral("Plantage à l'écriture du fichier ") +
                                                         marqueur + QStringLiteral(" : ") + erreur +
                                                         QStringLiteral(" La mise à jour n'est pas lancée."));
        return false;
    }
    return true;
}

bool lancer(const QString& dossierProgramme) {
    if (CommandesLumenoMaj::demarrerLumenoMaj(dossierProgramme))
        return true;
    Boite::information(QStringLiteral("Lumeno"),
                       QStringLiteral("Le logiciel de reboot (LumenoMaj.exe) n'est pas opérationnel."));
    return false;
}

} // namespace DemandeMiseAJour
