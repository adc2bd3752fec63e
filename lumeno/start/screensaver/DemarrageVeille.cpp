#include "DemarrageVeille.h"

#include "Boite.h"
#include "FichierVeille.h"

#include <QFileInfo>

DemarrageVeille DemarrageVeille::depuisLecture(bool trouve, bool ok, const QStringList& lignes) {
    DemarrageVeille demarrage;
    if (!trouve) {
        demarrage.reveil = true;
        return demarrage;
    }
    demarrage.veilleActive = true;
    if (!ok) {
        demarrage.retourFenetre = true;
        demarrage.suite = Suite::Arret;
        return demarrage;
    }
    demarrage.lecture = LectureParametresVeille::interpreter(lignes);
    if (demarrage.lecture.issue == LectureParametresVeille::Issue::FinDeFichier) {
        demarrage.retourFenetre = true;
    }
    return demarrage;
}

DemarrageVeille DemarrageVeille::demarrer() {
    const bool trouve = QFileInfo(cheminFichierVeille()).isFile();
    const LectureVeille lu = lireFichierVeille();
    DemarrageVeille demarrage = depuisLecture(trouve, lu.present, lu.lignes);
    if (!trouve) {
        Boite::information(
            QStringLiteral("Information"),
            QStringLiteral("Il manque le fichier Lumeno3.txt pour le démarage de l'écran de veille "
                           "de Lumeno. Le mieux est de lancer Lumeno, clic droit et au memu "
                           "choisir : Installer Ecran de Veille."));
    }
    return demarrage;
}
