#include "CommandesLumenoMaj.h"

#include "Boite.h"
#include "Lanceur.h"
#include "TexteFichier.h"

namespace {

const QString kTitre = QStringLiteral("Lumeno");
const QString kExifAbsent = QStringLiteral("Le logiciel Exif IPTC LumenoMaj.exe n'est pas opérationnel.");
const QString kRebootAbsent = QStringLiteral("Le logiciel de reboot (LumenoMaj.exe) n'est pas opérationnel.");

QString programme() {
#ifdef Q_OS_WIN
    return QStringLiteral("LumenoMaj.exe");
#else
    return QStringLiteral("LumenoMaj");
#endif
}

QString dansDossier(const QString& dossier, const QString& nom) {
    return dossier.endsWith(QLatin1Char('/')) ? dossier + nom : dossier + QLatin1Char('/') + nom;
}

QString fichierCommande(const QString& dossierProgramme) {
    return dansDossier(dossierProgramme, QStringLiteral("LumenoMaj.ini"));
}

QString extension(const QString& nomFichier) {
    const qsizetype point = nomFichier.lastIndexOf(QLatin1Char('.'));
    return point > 0 ? nomFichier.mid(point + 1) : QString();
}

QString motMode(CommandesLumenoMaj::ModeExif mode) {
    switch (mode) {
    case CommandesLumenoMaj::ModeExif::LecturePhoto:
        return QStringLiteral("LecturePhoto");
    case CommandesLumenoMaj::ModeExif::DateExif:
        return QStringLiteral("DateExif");
    case CommandesLumenoMaj::ModeExif::EcrireDossier:
        break;
    }
    return QStringLiteral("EcrireDossier");
}

using CommandesLumenoMaj::Resultat;

// Writes the command, then starts LumenoMaj; the messages are the caller's.
Resultat ecrireEtDemarrer(const QString& dossierProgramme, const QStringList& lignes, QString* erreur) {
    if (!TexteFichier::ecrire(fichierCommande(dossierProgramme), lignes, erreur))
        return Resultat::EchecEcriture;
    return CommandesLumenoMaj::demarrerLumenoMaj(dossierProgramme) ? Resultat::Lance
                                                                   : Resultat::EchecLancement;
}

} // namespace

namespace CommandesLumenoMaj {

bool estNomJpeg(const QString& nomFichier) {
    const QString ext = extension(nomFichier).toLower();
    return ext == QLatin1String("jpg") || ext == QLatin1String("jpeg");
}

QStringList lignesExif(ModeExif mode, const QString& dossier, const QString& nomFichier,
                       const QString& formatNoms) {
    QString nom = nomFichier;
    const QString ext = extension(nomFichier);
    if (mode == ModeExif::EcrireDossier && !ext.isEmpty())
        nom.chop(ext.size() + 1);
    return {QStringLiteral("Exif"), motMode(mode),
            dossier.endsWith(QLatin1Char('/')) ? dossier : dossier + QLatin1Char('/'), nom,
            formatNoms.isEmpty() ? QStringLiteral("AAAA-MM") : formatNoms};
}

Resultat lancerExif(const QString& dossierProgramme, ModeExif mode, const QString& dossier,
                    const QString& nomFichier, const QString& formatNoms) {
    if (mode != ModeExif::EcrireDossier && nomFichier.isEmpty())
        return Resultat::Refuse;
    if (dossier.isEmpty())
        return Resultat::Refuse;
    if (mode == ModeExif::LecturePhoto && !estNomJpeg(nomFichier)) {
        Boite::information(kTitre,
                           QStringLiteral("La photo ") + nomFichier +
                               QStringLiteral(" n'est pas une photo JPEG : ses champs Exif et IPTC ne "
                                              "peuvent pas être lus."));
        return Resultat::Refuse;
    }
    QString erreur;
    const Resultat r =
        ecrireEtDemarrer(dossierProgramme, lignesExif(mode, dossier, nomFichier, formatNoms), &erreur);
    if (r == Resultat::EchecEcriture)
        Boite::information(QStringLiteral("Erreur"), QStringLiteral("Plantage à l'écriture du fichier ") +
                                                         fichierCommande(dossierProgramme) +
                                                         QStringLiteral(" : ") + erreur);
    else if (r == Resultat::EchecLancement)
        Boite::information(kTitre, kExifAbsent);
    return r;
}

Resultat lancerMajPhp(const QString& dossierProgramme, const QString& dossier) {
    const Resultat r = ecrireEtDemarrer(dossierProgramme, {QStringLiteral("MajPHP-") + dossier}, nullptr);
    if (r == Resultat::EchecEcriture)
        Boite::information(QStringLiteral("Erreur"),
                           QStringLiteral("Plantage au lancement de la modification du fichier PHP My Base ! "
                                          "Pourquoi ?"));
    else if (r == Resultat::EchecLancement)
        Boite::information(kTitre, kRebootAbsent);
    return r;
}

Resultat lancerRegedit(const QString& dossierProgramme) {
    QString erreur;
    const Resultat r = ecrireEtDemarrer(dossierProgramme, {QStringLiteral("Regedit")}, &erreur);
    if (r == Resultat::EchecEcriture)
        Boite::information(QStringLiteral("Erreur"), QStringLiteral("Plantage à l'écriture du fichier ") +
                                                         fichierCommande(dossierProgramme) +
                                                         QStringLiteral(" : ") + erreur);
    else if (r == Resultat::EchecLancement)
        Boite::information(kTitre, kRebootAbsent);
    return r;
}

bool demarrerLumenoMaj(const QString& dossierProgramme) {
    return Lanceur::courant().demarrer(dansDossier(dossierProgramme, programme()), {}, dossierProgramme);
}

bool doitQuitter(Resultat resultat) {
    return resultat == Resultat::Lance || resultat == Resultat::EchecLancement;
}

} // namespace CommandesLumenoMaj
