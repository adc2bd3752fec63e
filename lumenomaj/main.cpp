#include "Aiguillage.h"
#include "BoiteMajDialogue.h"
#include "ExecutionTravail.h"
#include "JournalMaj.h"
#include "LanceurMaj.h"
#include "MajPHP.h"
#include "frmMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The program ends once the event loop runs, whoever asks and whenever.
void finirProgramme() {
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

// An unattended run (LUMENOMAJ_AUTOMATIQUE set, as the end-to-end tests do): the messages go to the
// update log and are answered OK, and a folder job starts on its folder without waiting for a click.
bool automatique() {
    return !qEnvironmentVariableIsEmpty("LUMENOMAJ_AUTOMATIQUE");
}

class BoiteMajJournal : public BoiteMaj {
public:
    explicit BoiteMajJournal(JournalMaj& journal) : journal_(journal) {}
    Reponse montrer(const Message& message) override {
        journal_.ecrire(QStringLiteral("Message « ") + message.titre + QStringLiteral(" » : ") +
                        QString(message.texte).replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
        return message.boutons == Boutons::OuiNon ? Reponse::Oui : Reponse::Ok;
    }

private:
    JournalMaj& journal_;
};

ModeFenetre modeFenetre(ModeExif mode) {
    switch (mode) {
    case ModeExif::LecturePhoto:
        return ModeFenetre::LecturePhoto;
    case ModeExif::DateExif:
        return ModeFenetre::DateExif;
    case ModeExif::EcrireDossier:
        break;
    }
    return ModeFenetre::EcrireDossier;
}

void ouvrirMetadonnees(const CommandeExif& commande, ContexteMaj& contexte) {
    frmMain::Sorties sorties;
    sorties.journal = [&contexte](const QString& ligne) { contexte.journal.ecrire(ligne); };
    sorties.terminer = finirProgramme;
    auto* fenetre = new frmMain(sorties);
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    bool ok = false;
    const int pas = qEnvironmentVariableIntValue("LUMENOMAJ_PAS_LOT_MS", &ok);
    if (ok && pas >= 0)
        fenetre->definirPasLot(pas);
    ControlesMetadonnees& c = fenetre->controles();
    c.ChoixAuteur->setText(qEnvironmentVariable("LUMENOMAJ_AUTEUR"));
    c.ChoixMotAjout->setText(qEnvironmentVariable("LUMENOMAJ_MOT_AJOUT"));
    fenetre->DebutExif1({modeFenetre(commande.mode), commande.dossier, commande.nomFichier,
                         FormatNoms{commande.formatCompact, commande.formatJour}});
    fenetre->showMaximized();
    if (automatique() && commande.mode != ModeExif::LecturePhoto)
        c.ChoixDossier->click();
}

void ouvrirListePhp(const QString& dossier, ContexteMaj& contexte) {
    MajPHP::Sorties sorties;
    sorties.lancerLumeno = [&contexte] {
        ExecutionTravail::lancerLumenoBase(contexte);
        finirProgramme();
    };
    sorties.terminer = finirProgramme;
    auto* fenetre = new MajPHP(sorties);
    fenetre->Depart(dossier);
}

// The entry points of the jobs whose windows are part of this program. A job left empty here is
// reported in the update log and hands back to Lumeno.
TravauxMaj travauxDisponibles(ContexteMaj& contexte) {
    TravauxMaj travaux;
    travaux.metadonnees = [&contexte](const CommandeExif& commande) {
        ouvrirMetadonnees(commande, contexte);
    };
    travaux.listePhp = [&contexte](const QString& dossier) { ouvrirListePhp(dossier, contexte); };
    return travaux;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("LumenoMaj"));

    // Lumeno starts this program with the program folder as working folder; no command line is used.
    const QString dossierProgramme = QDir::currentPath();
    LanceurProcessus lanceur;
    JournalMaj journal(dossierProgramme);
    ContexteMaj contexte{dossierProgramme, lanceur, journal};
    if (automatique())
        BoiteMaj::installer(std::make_shared<BoiteMajJournal>(journal));
    else
        BoiteMaj::installer(std::make_shared<BoiteMajDialogue>());

    const Travail travail = Aiguillage::choisir(dossierProgramme);
    if (ExecutionTravail::executer(travail, travauxDisponibles(contexte), contexte) ==
        ExecutionTravail::Suite::Attendre)
        return app.exec();
    return 0;
}
