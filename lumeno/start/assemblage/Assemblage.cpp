#include "Assemblage.h"

#include "AssemblageDiaporama.h"
#include "DemarrageVeille.h"
#include "EcranConfig.h"
#include "FenetrePrincipale.h"
#include "SortieVeille.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
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

void assemblerConfiguration(FenetrePrincipale& f) {
    LiensConfig l;
    l.fenetre = &f;
    l.message = f.controles().Message;
    l.messageBas = f.controles().MessageBas;
    l.dossierProgramme = [&f] { return f.etat().dossierProgramme; };
    l.ouverturePermise = [&f] {
        // Seen before the command-line file moved the program folder: the flag comes back.
        if (f.etat().programmeVuAuDepart)
            f.etat().presence.programme = true;
        return f.etat().presence.programme;
    };
    l.dossierLigneCommande = [&f] { return f.etat().dossierLigneCommande; };
    l.avantOuverture = [&f] {
        if (f.crochetsFenetre().pauseDiaporama)
            f.crochetsFenetre().pauseDiaporama();
        else
            f.controles().Timer1->stop();
        f.etat().veilleActive = false;
    };
    l.repriseDiaporama = [&f] {
        if (f.crochetsFenetre().repriseDiaporama)
            f.crochetsFenetre().repriseDiaporama();
        else
            f.controles().Timer1->start();
    };
    l.tailleRetenue = [&f](int hauteur, int largeur) {
        f.etatFenetre().hauteurNormale = hauteur;
        f.etatFenetre().largeurNormale = largeur;
    };
    l.completerReglages = [&f](ReglagesLumeno& r) {
        r.etatFenetre = f.isFullScreen() || f.isMaximized() ? 2 : f.isMinimized() ? 1 : 0;
        r.hautFenetre = f.enTwips(f.y());
        r.gaucheFenetre = f.enTwips(f.x());
        const EtatFenetre& e = f.etatFenetre();
        r.hauteurFenetre = e.hauteurNormale > 10 ? e.hauteurNormale : f.hauteurTwips();
        r.largeurFenetre = e.largeurNormale > 10 ? e.largeurNormale : f.largeurTwips();
        r.hScroll1 = f.controles().HScroll1->value();
    };
    l.finScan = [&f](const ResultatScan& r) {
        if (r.fin == FinScan::Terminee || r.fin == FinScan::ModeleAbsent)
            f.redemarrerApresScan();
    };
    auto* ecran = new EcranConfig(l);
    f.installerEcran(QStringLiteral("Frame1"), ecran, [ecran] { ecran->AnnulConfig_Click(); });
    f.crochets().reglagesLus = [ecran](const ReglagesLumeno& r) { ecran->chargerReglages(r); };
    f.crochets().scanCatalogue = [ecran] { ecran->ValideConfig_Click(); };
    f.crochetsFenetre().ouvrirConfiguration = [ecran] { ecran->OuvreConfig_Click(); };
    QObject::connect(f.controles().OuvreConfig, &QPushButton::clicked, ecran,
                     &EcranConfig::OuvreConfig_Click);
    // A scan still running when the user quits is cancelled.
    const auto arreterHtml = f.crochetsFenetre().arreterHtml;
    f.crochetsFenetre().arreterHtml = [ecran, arreterHtml] {
        if (ecran->scanEnCours())
            ecran->annulerScan();
        if (arreterHtml)
            arreterHtml();
    };
}

} // namespace

void assemblerEcrans(FenetrePrincipale& fenetre) {
    assemblerVeille(fenetre);
    assemblerConfiguration(fenetre);
    assemblerDiaporama(fenetre);
}
