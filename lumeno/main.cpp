#include "Assemblage.h"
#include "BoiteFenetre.h"
#include "EtatDemarrage.h"
#include "FenetrePrincipale.h"
#include "InstanceUnique.h"
#include "LanceurBureau.h"
#include "LigneCommande.h"
#include "frmConfig.h"
#include "frmScreenSaver.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumeno"));
    Boite::installer(std::make_shared<BoiteFenetre>());
    Lanceur::installer(std::make_shared<LanceurBureau>());

    const LigneCommande ligne = LigneCommande::analyser(QApplication::arguments().mid(1));
    switch (ligne.mode) {
    case LigneCommande::Mode::Rien:
        return 0;
    case LigneCommande::Mode::ReglageVeille: {
        frmConfig dialogue;
        dialogue.exec();
        return 0;
    }
    case LigneCommande::Mode::Apercu: {
        frmScreenSaver* apercu = frmScreenSaver::dansFenetreNative(static_cast<quintptr>(ligne.fenetre));
        if (!apercu)
            return 1;
        return app.exec();
    }
    case LigneCommande::Mode::Veille:
    case LigneCommande::Mode::Normal:
        break;
    }

    EtatDemarrage etat;
    etat.dossierProgramme = QDir::currentPath();
    etat.dossierExecutable = QCoreApplication::applicationDirPath();
    etat.fichierLigneCommande = ligne.fichier;
    etat.modeVeille = ligne.mode == LigneCommande::Mode::Veille;

    // One program per user and program folder: the newest start closes the running one.
    const QString nom = InstanceUnique::nomPour(etat.dossierExecutable);
    if (etat.modeVeille && InstanceUnique::instanceEnCours(nom))
        return 0;
    InstanceUnique instance(nom);
    const InstanceUnique::Prise prise = instance.prendreLaPlace();
    etat.relanceInstance = prise.relance;
    if (prise.erreur)
        etat.messageEntree =
            QStringLiteral("Information Technique : Plantage pendant le traitement de la double instance.");

    FenetrePrincipale fenetre(etat);
    Boite::installer(std::make_shared<BoiteFenetre>(&fenetre));
    QObject::connect(&instance, &InstanceUnique::fermetureDemandee, &fenetre,
                     &FenetrePrincipale::Quitter_Click);
    assemblerEcrans(fenetre);
    fenetre.show();
    fenetre.demarrer();
    return app.exec();
}
