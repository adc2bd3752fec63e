#include "Assemblage.h"

#include "DemarrageVeille.h"
#include "FenetrePrincipale.h"
#include "ScanFenetre.h"
#include "SortieVeille.h"

#include <QLabel>
#include <QTimer>

namespace {

void assemblerVeille(FenetrePrincipale& f) {
    auto* sortie = new SortieVeille(&f);
    QObject::connect(sortie, &SortieVeille::finDemandee, &f, &FenetrePrincipale::Quitter_Click);
    f.crochets().demarrageVeille = [&f, sortie](EtatDemarrage& etat, EtatVeille& veille) {
        f.controles().MessageBas->setText(DemarrageVeille::prefixeMessageBas());
        etat.voix = false;
        const DemarrageVeille d = DemarrageVeille::demarrer();
        if (d.reveil) {
            // No copy of the settings: the program wakes up and starts as usual.
            etat.veilleActive = false;
            f.controles().MessageBas->setText(DemarrageVeille::texteReveil());
            return true;
        }
        const ParametresVeille& p = d.lecture.parametres;
        etat.veilleActive = d.veilleActive;
        if (p.dossierLu && !p.dossierProgramme.isEmpty())
            etat.dossierProgramme = p.dossierProgramme;
        etat.veilleAleatoire = p.veilleAleatoire;
        veille.mot = p.mot;
        veille.annee = p.annee;
        veille.saut = p.sautDiaporama;
        veille.intervalleSecondes = p.intervalle;
        veille.web = p.modeWeb;
        if (d.retourFenetre)
            f.Fenetre();
        if (d.suite == DemarrageVeille::Suite::Arret)
            return false;
        sortie->surveiller(&f);
        return true;
    };
    f.crochetsFenetre().reveilVeille = [&f, sortie] {
        sortie->arreter();
        f.etat().veilleActive = false;
        f.etat().veilleAleatoire = false;
        f.controles().Timer1->setInterval(DemarrageVeille::intervalleReveilMs);
        f.controles().MessageBas->setText(DemarrageVeille::texteReveil());
    };
}

void assemblerScan(FenetrePrincipale& f) {
    auto* scan = new ScanFenetre(f);
    f.crochets().scanCatalogue = [scan] { scan->lancer(); };
}

} // namespace

void assemblerEcrans(FenetrePrincipale& fenetre) {
    assemblerVeille(fenetre);
    assemblerScan(fenetre);
}
