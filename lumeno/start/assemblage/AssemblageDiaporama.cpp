#include "AssemblageDiaporama.h"

#include "ActPhoto.h"
#include "CriteresSelection.h"
#include "CurseurCatalogue.h"
#include "CurseurSelection.h"
#include "EcranRecherche.h"
#include "FenetrePrincipale.h"
#include "ImagePhoto.h"
#include "ListesRecherche.h"
#include "ModesRecherche.h"
#include "NomsFichiers.h"
#include "RaccordFenetre.h"
#include "Selection.h"
#include "Sqlite.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace {

// Everything the selection and the slideshow share for the life of the window. The search screen
// and the slideshow hold references into it, so they go first when the window closes.
class CompositionDiaporama : public QObject {
public:
    explicit CompositionDiaporama(FenetrePrincipale& f)
        : QObject(&f), selection(base, courant, criteres, etatSelection),
          curseur(selection, courant, criteres, etatSelection, modes) {}
    ~CompositionDiaporama() override {
        delete raccord.data();
        delete ecran.data();
    }

    // The selection reads the catalogue through a connection of its own, opened again at each
    // start-up pass (a scan replaces the file).
    SqliteDatabase base;
    ActPhoto courant;
    CriteresSelection criteres;
    EtatSelection etatSelection;
    ModesRecherche modes;
    Selection selection;
    CurseurSelection curseur;
    int nombreEnregistrements = 0;
    QPointer<EcranRecherche> ecran;
    QPointer<RaccordFenetre> raccord;

protected:
    // The search screen lays its controls out for the window's width.
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() == QEvent::Resize && ecran)
            if (auto* f = qobject_cast<FenetrePrincipale*>(objet))
                ecran->disposer(f->largeurTwips());
        return QObject::eventFilter(objet, evenement);
    }
};

void ouvrirBase(CompositionDiaporama& d, const QString& chemin) {
    if (!QFileInfo::exists(chemin)) {
        d.base.close();
        return;
    }
    try {
        // The new connection is opened before the old one closes: the selection's copy of the rows
        // is keyed by the connection, and two live connections never share an address.
        SqliteDatabase nouvelle(chemin, SqliteDatabase::Mode::ReadOnly);
        d.base = std::move(nouvelle);
    } catch (const SqliteError&) {
        d.base.close();
    }
}

QStringList sansPremiere(const QStringList& liste) {
    // The start-up lists begin with their blank entry; the search screen adds its own.
    if (!liste.isEmpty() && liste.first().trimmed().isEmpty())
        return liste.mid(1);
    return liste;
}

QStringList racinesCochees(const ReglagesLumeno& r) {
    QStringList racines;
    for (const RacineCatalogue& racine : r.racines) {
        if (!racine.cochee || racine.chemin.isEmpty())
            continue;
        QString chemin = QDir::fromNativeSeparators(racine.chemin);
        while (chemin.size() > 1 && chemin.endsWith(QLatin1Char('/')))
            chemin.chop(1);
        racines << chemin;
    }
    return racines;
}

void reglagesMoteur(MoteurDiaporama& m, const ReglagesLumeno& r, const EtatDemarrage& etat) {
    ReglagesDiaporama& g = m.reglages;
    if (r.anneeMini <= r.anneeMaxi) {
        g.AnneeMini = r.anneeMini;
        g.AnneeMaxi = r.anneeMaxi;
    }
    g.ConfigCheck7 = r.configCheck7;
    g.ConfigCheck11 = r.configCheck11;
    g.VocaleCheck19 = r.vocaleCheck19;
    g.MusiquePossible = r.configCheck8;
    g.MusiquePermanente = r.configCheck12;
    g.CouleurTexteHtml = r.couleurTexteHtml;
    g.LumenoPresent = etat.programmeVuAuDepart;
    g.visionneusePresente = etat.visionneusePresente;
}

void montrer(QWidget* w, bool visible) {
    if (w)
        w->setVisible(visible);
}

// The lists start-up read go into the search screen and the criteria.
void listesPretes(CompositionDiaporama& d, FenetrePrincipale& f, const ListesRecherche& l) {
    ouvrirBase(d, f.etat().dossierProgramme + QLatin1Char('/') + NomsFichiers::catalogue);
    EcranRecherche& e = *d.ecran;
    e.remplirListe(l.liste, l.positionsTri);
    e.remplirRepertoires(l.choixRepert);
    e.remplirContextes(l.contexteListe);
    e.remplirMots(sansPremiere(l.listeMotDefini));
    e.remplirAnnees(sansPremiere(l.choixAnnee));
    e.remplirMois(sansPremiere(l.choixMois));
    e.contexteExiste(f.demarrage().contexteExiste());
    d.nombreEnregistrements = l.nombreEnregistrements;

    const ReglagesLumeno& r = f.demarrage().reglages();
    std::vector<bool> coches(l.choixRepert.size(), true);
    for (qsizetype i = 0; i < l.repertRetenu.size() && i < qsizetype(coches.size()); ++i)
        coches[i] = l.repertRetenu[i];
    d.criteres.RepertChoix = l.choixRepert;
    d.criteres.retenir(coches);
    d.criteres.Racines = racinesCochees(r);
    d.criteres.VideoAutorisee = r.configCheck6;
    d.modes.ModeCatalogueDepart = f.etat().programmeVuAuDepart;
    d.modes.ModeCatalogue = f.etat().presence.programme;
    reglagesMoteur(d.raccord->moteur(), r, f.etat());
}

// The first slideshow after start-up: the start-up criteria, the whole catalogue from its start.
void premiereSelection(CompositionDiaporama& d, FenetrePrincipale& f) {
    const CriteresDepart& c = f.demarrage().criteres();
    CriteresSelection& s = d.criteres;
    s.AnneeRecherche = c.anneeRecherche;
    s.MoisRecherche = c.moisRecherche;
    s.MotRecherche = c.motRecherche;
    s.MotListe.clear();
    s.preparerMots();
    s.TriDepart = 0;
    s.VeilleActive = f.etat().veilleActive;
    d.etatSelection.ModeMiniAlbum = false;
    d.etatSelection.SautDiaporama = c.sautDiaporama;
    if (!c.contexteDemarrage.isEmpty())
        s.ContexteDemarrage = c.contexteDemarrage;
    d.selection.ouvrir();
    s.choisirContexte(f.demarrage().grilleContextes(),
                      c.contexteChoisi.isEmpty() ? QString(kAucunContexte) : c.contexteChoisi);
    d.curseur.RechercheSelection();
    // A pause left by the configuration screen (the scan of a first start) must not hold the new
    // slideshow that start-up runs next.
    d.raccord->moteur().etat.EnPause = 0;
}

// A search start: the slideshow stands on its first item until play is pressed.
void demarrerDiaporama(CompositionDiaporama& d, FenetrePrincipale& f) {
    ControlesPrincipaux& c = f.controles();
    MoteurDiaporama& m = d.raccord->moteur();
    montrer(c.Quitter, true);
    montrer(c.ClavierBlanc, true);
    c.Message->setText(QStringLiteral(" Recherche "));
    c.MessageBas->clear();
    montrer(c.HScroll1, false);
    montrer(c.Marche3, true);
    c.Timer1->stop();
    montrer(c.OuvreRecherche, true);
    montrer(c.Miniature, true);
    montrer(c.Arriere, true);
    montrer(c.OuvreConfig, false);
    m.etat.EnPause = 0;
    montrer(c.Marche, true);
    montrer(c.Pause, false);
    if (c.ClavierBlanc)
        c.ClavierBlanc->setFocus();
    d.curseur.RechercheSelection();
    m.AffichageDiaporama();
}

void diaporamaAleatoire(CompositionDiaporama& d, FenetrePrincipale& f) {
    ControlesPrincipaux& c = f.controles();
    c.Message->setText(QStringLiteral("Diaporama Aléatoire "));
    c.MessageBas->setText(QStringLiteral("Lancement d'un diaporama aléatoire sur l'ensemble des photos."));
    d.modes.ModeAleatoire = true;
    c.Timer1->start();
    for (QWidget* w :
         {static_cast<QWidget*>(c.OuvreRecherche), static_cast<QWidget*>(c.Miniature),
          static_cast<QWidget*>(c.Arriere), static_cast<QWidget*>(c.Pause), static_cast<QWidget*>(c.HScroll1),
          static_cast<QWidget*>(c.Quitter), static_cast<QWidget*>(c.ClavierBlanc)})
        montrer(w, true);
    for (QWidget* w : {static_cast<QWidget*>(c.OuvreConfig), static_cast<QWidget*>(c.Marche),
                       static_cast<QWidget*>(c.Marche3)})
        montrer(w, false);
    d.raccord->moteur().etat.EnPause = 0;
    d.curseur.TirageAleatoire();
}

// Opening the search screen: the slideshow pauses and the window gives the screen its room.
void ouvertureFenetre(CompositionDiaporama& d, FenetrePrincipale& f) {
    ControlesPrincipaux& c = f.controles();
    for (const char* nom : {"Frame1", "Frame3"})
        if (QWidget* e = f.ecran(QLatin1String(nom)))
            e->hide();
    d.raccord->moteur().Pause_Click();
    if (c.Marche3)
        c.Marche3->setText(QStringLiteral("=>"));
    if (c.Miniature)
        c.Miniature->setText(QStringLiteral("&MiniAlbum"));
    for (QWidget* w : {static_cast<QWidget*>(c.HScroll1), static_cast<QWidget*>(c.Marche3),
                       static_cast<QWidget*>(c.Marche), static_cast<QWidget*>(c.Arriere),
                       static_cast<QWidget*>(c.OuvreConfig), static_cast<QWidget*>(c.OuvreRecherche),
                       static_cast<QWidget*>(c.Miniature), static_cast<QWidget*>(c.ClavierBlanc),
                       static_cast<QWidget*>(c.Quitter), static_cast<QWidget*>(c.Pause)})
        montrer(w, false);
    c.Message->clear();
    c.MessageBas->clear();
    d.raccord->affichage().effacer();
}

void annulation(CompositionDiaporama& d, FenetrePrincipale& f) {
    ControlesPrincipaux& c = f.controles();
    for (QWidget* w : {static_cast<QWidget*>(c.Quitter), static_cast<QWidget*>(c.ClavierBlanc),
                       static_cast<QWidget*>(c.OuvreRecherche), static_cast<QWidget*>(c.Marche),
                       static_cast<QWidget*>(c.Arriere)})
        montrer(w, true);
    if (c.ClavierBlanc)
        c.ClavierBlanc->setFocus();
    // Play: the slideshow resumes where it stood.
    d.raccord->moteur().Marche_Click();
}

bool lireFiche(CompositionDiaporama& d, int tri, ActPhoto& fiche) {
    if (!d.base.isOpen())
        return false;
    try {
        CurseurCatalogue lecteur(d.base);
        lecteur.ouvrirPosition(tri);
        return !lecteur.eof() && lecteur.BddLit(fiche).ok();
    } catch (const SqliteError&) {
        return false;
    }
}

// After an automatic restart the search screen shows the new start date.
void ecranRelance(EcranRecherche& e, const QString& annee, const QString& mois) {
    if (auto* a = e.findChild<QComboBox*>(QStringLiteral("ChoixAnnee")))
        a->setEditText(annee);
    if (auto* m = e.findChild<QComboBox*>(QStringLiteral("ChoixMois")))
        m->setEditText(mois);
    if (auto* mot = e.findChild<QLineEdit*>(QStringLiteral("ChoixMot")))
        mot->clear();
    e.selectionnerEntreeListe(0);
}

void crochetsEcran(CompositionDiaporama& d, FenetrePrincipale& f) {
    EcranRecherche::Crochets k;
    k.ouvertureFenetre = [&d, &f] { ouvertureFenetre(d, f); };
    k.annulation = [&d, &f] { annulation(d, f); };
    k.diaporama = [&d, &f](const CriteresSelection&) { demarrerDiaporama(d, f); };
    k.aleatoire = [&d, &f] { diaporamaAleatoire(d, f); };
    k.ouvrirConfiguration = [&f] {
        if (f.crochetsFenetre().ouvrirConfiguration)
            f.crochetsFenetre().ouvrirConfiguration();
    };
    k.finZoom = [&d] {
        if (d.raccord->affichage().etat().ZoomActif)
            d.raccord->affichage().ZoomFin();
    };
    k.lireFiche = [&d](int tri, ActPhoto& fiche) { return lireFiche(d, tri, fiche); };
    d.ecran->installerCrochets(std::move(k));
}

void crochetsCurseur(CompositionDiaporama& d, FenetrePrincipale& f) {
    d.curseur.nombreEnregistrements = [&d] { return d.nombreEnregistrements; };
    d.curseur.ecranRelance = [&d](const QString& annee, const QString& mois) {
        ecranRelance(*d.ecran, annee, mois);
    };
    d.curseur.motVeille = [&f] { return f.demarrage().veille().mot; };
    d.curseur.erreurSelection = [&f](int) { f.controles().Message->setText(MessagesSelection::message()); };
}

void crochetsDemarrage(CompositionDiaporama& d, FenetrePrincipale& f) {
    CrochetsDemarrage& h = f.crochets();
    h.rechercheSelection = [&d, &f] { premiereSelection(d, f); };
    h.appliquerContexte = [&d](const QString& contexte) {
        d.criteres.ContexteDemarrage = contexte;
        d.criteres.ContexteChoisi = contexte;
    };
    h.marche3 = [&d] { d.raccord->moteur().Marche3_Click(); };
    h.afficherDeNouveau = [&d] {
        const ElementVisu& v = d.raccord->moteur().visu;
        if (!v.VisuPhotoNom.isEmpty())
            d.raccord->affichage().afficher(v.VisuPhotoRep + QLatin1Char('/') + v.VisuPhotoNom +
                                            QLatin1Char('.') + v.VisuPhotoType);
    };
    h.afficherPhoto = [&d, &f](const QString& fichier) {
        d.raccord->affichage().afficher(fichier);
        f.controles().MessageBas->setText(QFileInfo(fichier).fileName());
    };
}

} // namespace

void assemblerDiaporama(FenetrePrincipale& f) {
    auto* d = new CompositionDiaporama(f);
    d->ecran = new EcranRecherche(d->criteres, d->etatSelection, d->modes, d->selection,
                                  f.demarrage().grilleContextes());
    EcranRecherche* ecran = d->ecran;
    f.installerEcran(QStringLiteral("Frame2"), ecran, [ecran] { ecran->AnnulRecherche_Click(); });
    crochetsEcran(*d, f);
    crochetsCurseur(*d, f);

    d->raccord = new RaccordFenetre(f, d->curseur);
    d->raccord->moteur().crochets.annulerRecherche = [ecran] { ecran->AnnulRecherche_Click(); };

    CrochetsFenetre& w = f.crochetsFenetre();
    w.listesPretes = [d, &f](const ListesRecherche& l) { listesPretes(*d, f, l); };
    w.ouvrirRecherche = [ecran] { ecran->OuvreRecherche_Click(); };
    w.rechercheEtDiaporama = [ecran] { ecran->CommenceRechercheDiaporama_Click(); };
    QObject::connect(f.controles().OuvreRecherche, &QPushButton::clicked, ecran,
                     &EcranRecherche::OuvreRecherche_Click);
    crochetsDemarrage(*d, f);
    f.installEventFilter(d);
    ecran->disposer(f.largeurTwips());
}
