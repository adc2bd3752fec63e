#include "RaccordFenetre.h"

#include "FenetrePrincipale.h"
#include "ImagePhoto.h"

#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

RaccordFenetre::RaccordFenetre(FenetrePrincipale& fenetre, CurseurDiaporama& curseur)
    : QObject(&fenetre), fenetre_(fenetre) {
    ControlesPrincipaux& c = fenetre.controles();
    // The photo is drawn by its own widget; the window's picture label stays hidden beside it.
    image_ = new ImagePhoto(&fenetre);
    image_->hide();
    image_->lower();
    if (c.Image1)
        c.Image1->hide();

    VuePhoto vp;
    vp.fenetre = &fenetre;
    vp.Image1 = image_;
    vp.Message = c.Message;
    vp.MessageBas = c.MessageBas;
    vp.VScroll1 = c.VScroll1;
    vp.VScroll2 = c.VScroll2;
    vp.HScroll2 = c.HScroll2;
    vp.pleinEcran = [&fenetre] { return fenetre.etatFenetre().pleinEcran; };
    vp.barreTitre = [&fenetre] { return fenetre.etatFenetre().barreTitre; };
    vp.placerBarre = [&fenetre](int haut) {
        fenetre.etatFenetre().hautBarre = haut;
        fenetre.placerBarre();
    };
    affichage_ = std::make_unique<AffichagePhoto>(vp);
    ActionsPhoto& a = affichage_->actions;
    a.quitter = [&fenetre] { fenetre.Quitter_Click(); };
    a.ecranPlein = [&fenetre] { fenetre.EcranPlein(); };
    a.fenetreNormale = [&fenetre] { fenetre.Fenetre(); };
    a.fenetreMaximisee = [&fenetre] { return fenetre.isMaximized() || fenetre.etatFenetre().pleinEcran; };
    a.ouvrirMenu = [m = c.Menu](QPoint position) {
        if (m)
            m->popup(position);
    };
    a.zoomActif = [&fenetre](bool actif) { fenetre.etatFenetre().zoom = actif; };

    moteur_ = std::make_unique<MoteurDiaporama>(vueDiaporama(fenetre), curseur, *affichage_);
    moteur_->etat.PremiereFin = true;

    CrochetsFenetre& h = fenetre.crochetsFenetre();
    h.resetZoom = [this] { affichage_->ZoomAnnule(); };
    h.pauseDiaporama = [this] { moteur_->Pause_Click(); };
    h.reveilVeille = [this] { moteur_->ReveilVeille(); };
    // The slideshow listens to Timer1 itself: the window's tick must not show a second item.
    h.tickDiaporama = {};

    fenetre.installEventFilter(this);
    if (c.MessageTexte)
        c.MessageTexte->installEventFilter(this);
    if (c.VScroll1) {
        c.VScroll1->setRange(10, 40);
        c.VScroll1->setValue(10);
    }
    for (QScrollBar* b : {c.VScroll2, c.HScroll2})
        if (b)
            b->setRange(1, 100);
    preparerMenu();
}

RaccordFenetre::~RaccordFenetre() = default;

VueDiaporama RaccordFenetre::vueDiaporama(FenetrePrincipale& fenetre) {
    ControlesPrincipaux& c = fenetre.controles();
    VueDiaporama v;
    v.fenetre = &fenetre;
    v.Message = c.Message;
    v.MessageBas = c.MessageBas;
    v.MessageTexte = c.MessageTexte;
    v.Marche = c.Marche;
    v.Pause = c.Pause;
    v.Marche3 = c.Marche3;
    v.ClavierBlanc = c.ClavierBlanc;
    v.Arriere = c.Arriere;
    v.Miniature = c.Miniature;
    v.OuvreRecherche = c.OuvreRecherche;
    v.OuvreConfig = c.OuvreConfig;
    v.Quitter = c.Quitter;
    v.HScroll1 = c.HScroll1;
    v.Timer1 = c.Timer1;
    v.Frame1 = fenetre.ecran(QStringLiteral("Frame1"));
    v.Frame2 = fenetre.ecran(QStringLiteral("Frame2"));
    v.Frame3 = fenetre.ecran(QStringLiteral("Frame3"));
    v.Frame6 = fenetre.ecran(QStringLiteral("Frame6"));
    v.Frame4 = fenetre.ecran(QStringLiteral("Frame4"));
    if (v.Frame4) {
        v.AjoutTexte = v.Frame4->findChild<QWidget*>(QStringLiteral("AjoutTexte"));
        v.AjoutTexteValider = v.Frame4->findChild<QWidget*>(QStringLiteral("AjoutTexteValider"));
        v.AjoutTexteSupprimer = v.Frame4->findChild<QWidget*>(QStringLiteral("AjoutTexteSupprimer"));
        v.AjoutTexteMessage1 = v.Frame4->findChild<QWidget*>(QStringLiteral("AjoutTexteMessage1"));
        v.AjoutTexteMessage2 = v.Frame4->findChild<QWidget*>(QStringLiteral("AjoutTexteMessage2"));
    }
    v.pleinEcran = [&fenetre] { return fenetre.etatFenetre().pleinEcran || fenetre.isMaximized(); };
    return v;
}

void RaccordFenetre::preparerMenu() {
    QMenu* menu = fenetre_.controles().Menu;
    if (!menu)
        return;
    QMenu* diaporama = menu->addMenu(QStringLiteral("Diaporama"));
    diaporama->setObjectName(QStringLiteral("MenuDiaporama"));
    const auto entree = [](QMenu* m, const char* nom, const QString& texte, auto action) {
        QAction* a = m->addAction(texte, action);
        a->setObjectName(QLatin1String(nom));
    };
    entree(diaporama, "Marche2", QStringLiteral("Play ( > )"), [this] { moteur_->Marche2_Click(); });
    entree(diaporama, "Pause2", QStringLiteral("Pause"), [this] { moteur_->Pause2_Click(); });
    entree(diaporama, "Arriere2", QStringLiteral("Back  ( <= )"), [this] { moteur_->Arriere2_Click(); });
    entree(diaporama, "ClickSouris", QStringLiteral("Mode click souris"), [this] {
        fenetre_.ClickSouris();
        moteur_->ClickSouris_Click();
    });
    entree(menu, "ZoomMenu2", QStringLiteral("Zoom"), [this] { affichage_->ZoomMenu2_Click(); });
}

bool RaccordFenetre::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == &fenetre_) {
        switch (evenement->type()) {
        case QEvent::Resize:
            affichage_->reajuster();
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(evenement)->button() == Qt::LeftButton)
                affichage_->FenetreClick();
            break;
        case QEvent::MouseButtonDblClick:
            affichage_->FenetreDblClick();
            break;
        default:
            break;
        }
    } else if (objet == fenetre_.controles().MessageTexte &&
               evenement->type() == QEvent::MouseButtonRelease) {
        affichage_->MessageTexteClick();
    }
    return QObject::eventFilter(objet, evenement);
}
