#include "MessagesScan.h"

namespace MessagesScan {

namespace {
const QString Contact =
    QStringLiteral(" Si le problème persiste, merci de le signaler à l'éditeur du logiciel. ");
}

QString aucuneRacine() {
    return QStringLiteral("Il faut valider au moins la première de ces trois cases pour définir les photos à "
                          "utiliser dans la base de données.");
}

QString lecture() {
    return QStringLiteral(" Lecture de toutes les photos dans tous les dossiers.");
}

QString tri() {
    return QStringLiteral("Tri de la Base de Données.");
}

QString limiteDepassee(int limite, int nombre) {
    return QStringLiteral(" La limite de la taille de la BdD : ") + QString::number(limite) +
           QStringLiteral(" est dépassée :") + QString::number(nombre);
}

QString sauvegarde() {
    return QStringLiteral("Sauvegegarde de la Configuration.");
}

QString classementMots() {
    return QStringLiteral(" Classement des mots trouvés dans les noms des photos.");
}

QString activation() {
    return QStringLiteral(" Activation de la nouvelle Configuration.");
}

QString titreModeleAbsent() {
    return QStringLiteral("et oui c'est dur !");
}

QString modeleAbsent(const QString& dossierProgramme) {
    return QStringLiteral("L'installation de Lumeno est incomplète. Il manque le fichier Lumeno2.mdb dans le "
                          "répertoire courant ") +
           dossierProgramme +
           QStringLiteral(" Pour installer le logiciel, lancer le Setup.exe du répertoire x-Lumeno du CD ou "
                          "recopier le fichier demandé qui est dans le répertoire x-Lumeno également.");
}

QString titreBaseVide() {
    return QStringLiteral("Debug : Liste des mots vide avant tri");
}

QString baseVide(const QString& dossier) {
    return QStringLiteral(" La Base de donnée est vide.") + Contact +
           QStringLiteral("Ou, le Dossier était vide : ") + dossier;
}

QString titreRenommage() {
    return QStringLiteral("Information");
}

QString renommage(int nombreRenommes) {
    return QString::number(nombreRenommes) +
           QStringLiteral(" photo(s) sont renommé(es) et, la base de données a été mise à jour.");
}

QString titreRacineIndisponible() {
    return QStringLiteral("Dossier indisponible");
}

QString racineIndisponible(const QString& racine) {
    return QStringLiteral("Le dossier ") + racine +
           QStringLiteral(" n'est pas disponible. La base de données et la configuration précédentes sont "
                          "conservées.");
}

QString titreErreurEcriture() {
    return QStringLiteral("Erreur d'écriture");
}

QString erreurBase(const QString& detail) {
    return QStringLiteral("Erreur : la Base de Données n'a pas pu être écrite (") + detail +
           QStringLiteral("). La base de données et la configuration précédentes sont conservées.");
}

QString erreurReglages(const QString& chemin, const QString& detail) {
    return QStringLiteral("Erreur : la configuration n'a pas pu être enregistrée dans ") + chemin +
           QStringLiteral(" (") + detail +
           QStringLiteral("). La base de données et la configuration précédentes sont conservées.");
}

QString erreurListe(const QString& chemin, const QString& detail) {
    return QStringLiteral("Erreur : le fichier ") + chemin + QStringLiteral(" n'a pas pu être écrit (") +
           detail + QStringLiteral(").");
}

} // namespace MessagesScan
