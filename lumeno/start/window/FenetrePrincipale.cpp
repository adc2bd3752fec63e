#include "FenetrePrincipale.h"

#include "AppliquerDisposition.h"
#include "DispositionFenetre.h"
#include "ModesFenetre.h"
#include "QuitterProgramme.h"
#include "RoutageClavier.h"
#include "Twips.h"
#include "VueFenetre.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace {

// The designed place of each control of the button row: left and width in twips.
struct PlaceDessin {
    int gauche, largeur;
};
constexpr int hauteurBouton = 375;
constexpr PlaceDessin placesRangee[] = {
    {120, 1000},  {1200, 1000}, {2280, 1200}, {3560, 1200},  {4840, 600},   {5520, 600},   {6200, 600},
    {6880, 1000}, {7960, 600},  {8640, 2000}, {10720, 1000}, {11800, 1000}, {12900, 5000}, // MessageBas
};

} // namespace

FenetrePrincipale::FenetrePrincipale(const EtatDemarrage& etat, QWidget* parent)
    : QWidget(parent), c_(ControlesPrincipaux::creer(this)), etat_(etat) {
    setObjectName(QStringLiteral("Lumeno"));
    setWindowTitle(QStringLiteral("Lumeno"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
    resize(enPixels(15360), enPixels(10500));

    vue_ = std::make_unique<VueFenetre>(*this);
    chaine_ = std::make_unique<ChaineDemarrage>(etat_, *vue_, catalogue_, crochets_);
    modes_ = std::make_unique<ModesFenetre>(*this);

    connect(c_.Timer1, &QTimer::timeout, this, &FenetrePrincipale::Timer1_Timer);
    connect(c_.Timer2, &QTimer::timeout, this, &FenetrePrincipale::Timer2_Timer);
    connect(c_.Quitter, &QPushButton::clicked, this, &FenetrePrincipale::Quitter_Click);
    preparerMenu();
    placerDessin();
    // Key preview: the window sees the keys of its controls first.
    qApp->installEventFilter(this);
}

FenetrePrincipale::~FenetrePrincipale() {
    qApp->removeEventFilter(this);
    c_.Timer1->stop();
    c_.Timer2->stop();
}

void FenetrePrincipale::preparerMenu() {
    c_.Menu->addAction(QStringLiteral("Affichage plein écran"), this, &FenetrePrincipale::EcranPlein);
    c_.Menu->addAction(QStringLiteral("Affichage en Fenêtre (fin plein écran)"), this,
                       &FenetrePrincipale::Fenetre);
    c_.Menu->addAction(QStringLiteral("Efface la barre du haut"), this, &FenetrePrincipale::EffaceBarre);
    c_.Menu->addAction(QStringLiteral("Affiche toujours Lumeno au premier plan"), this,
                       &FenetrePrincipale::PremierPlan);
    c_.Menu->addAction(QStringLiteral("Mode click souris"), this, &FenetrePrincipale::ClickSouris);
    c_.Menu->addSeparator();
    c_.Menu->addAction(QStringLiteral("Quitter"), this, &FenetrePrincipale::Quitter_Click);
}

double FenetrePrincipale::dpi() const {
    const int d = logicalDpiX();
    return d > 0 ? d : 96.0;
}

int FenetrePrincipale::enTwips(int pixels) const {
    return Twips::depuisPixels(pixels, dpi());
}

int FenetrePrincipale::enPixels(int twips) const {
    return Twips::versPixels(twips, dpi());
}

QRect FenetrePrincipale::enPixels(const QRect& t) const {
    return QRect(enPixels(t.x()), enPixels(t.y()), enPixels(t.width()), enPixels(t.height()));
}

void FenetrePrincipale::placerDessin() {
    const QList<QWidget*> rangee = c_.rangee();
    for (int i = 0; i < rangee.size(); ++i)
        rangee[i]->setGeometry(
            enPixels(QRect(placesRangee[i].gauche, 0, placesRangee[i].largeur, hauteurBouton)));
    c_.Message->setGeometry(enPixels(QRect(120, 120, 12000, 400)));
    c_.MessageTexte->setGeometry(enPixels(QRect(800, 800, 12000, 4000)));
    for (const QString& nom : ControlesPrincipaux::nomsEcrans())
        if (QWidget* e = ecran(nom))
            e->setGeometry(enPixels(QRect(120, 600, 13200, 7200)));
    disposer();
}

QWidget* FenetrePrincipale::installerEcran(const QString& nom, QWidget* ecranNouveau,
                                           std::function<void()> annulation) {
    QWidget* ancien = ecran(nom);
    const QRect place = ancien ? ancien->geometry() : QRect();
    ecranNouveau->setParent(this);
    ecranNouveau->setObjectName(nom);
    if (ancien && ancien != ecranNouveau) {
        ecranNouveau->setGeometry(place);
        delete ancien;
    }
    ecranNouveau->hide();
    if (annulation)
        annulations_[nom] = std::move(annulation);
    else
        annulations_.remove(nom);
    disposer();
    return ecranNouveau;
}

QWidget* FenetrePrincipale::ecran(const QString& nom) const {
    return findChild<QWidget*>(nom, Qt::FindDirectChildrenOnly);
}

void FenetrePrincipale::enregistrerFenetreAnnexe(QWidget* fenetre) {
    annexes_ << QPointer<QWidget>(fenetre);
}

void FenetrePrincipale::demarrer() {
    chaine_->demarrer();
}

void FenetrePrincipale::redemarrerApresScan() {
    etat_.relanceApresScan = true;
    catalogue_.fermer();
    chaine_->etapeB();
}

void FenetrePrincipale::afficherPhoto(const QPixmap& photo) {
    photo_ = photo;
    c_.Image1->setPixmap(photo);
    c_.Image1->setVisible(!photo.isNull());
    disposer();
}

void FenetrePrincipale::Timer1_Timer() {
    if (crochetsFenetre_.tickDiaporama)
        crochetsFenetre_.tickDiaporama();
}

void FenetrePrincipale::Timer2_Timer() {
    chaine_->tickTimer2();
}

void FenetrePrincipale::Quitter_Click() {
    if (ef_.termine)
        return;
    ef_.termine = true;
    QuitterProgramme::executer(*this, annexes_);
}

void FenetrePrincipale::EcranPlein() {
    modes_->pleinEcran();
}
void FenetrePrincipale::Fenetre() {
    modes_->fenetre();
}
void FenetrePrincipale::EffaceBarre() {
    modes_->effaceBarre();
}
void FenetrePrincipale::PremierPlan() {
    modes_->premierPlan();
}
void FenetrePrincipale::ClickSouris() {
    ef_.avalerProchaineTouche = true;
}

void FenetrePrincipale::placerBarre() {
    const int haut = enPixels(ef_.hautBarre);
    for (QWidget* w : c_.rangee())
        w->move(w->x(), haut);
}

void FenetrePrincipale::disposer() {
    EntreeDisposition e;
    e.largeur = largeurTwips();
    e.hauteur = hauteurTwips();
    e.barreTitre = ef_.barreTitre;
    e.pleinEcran = ef_.pleinEcran;
    e.gaucheMessage = enTwips(c_.Message->x());
    e.gaucheMessageBas = enTwips(c_.MessageBas->x());
    if (!photo_.isNull())
        e.image = photo_.size();
    const Disposition d = Disposition::calculer(e);
    appliquerDisposition(*this, d);
    if (crochetsFenetre_.masquerCompagnon)
        crochetsFenetre_.masquerCompagnon();
}

void FenetrePrincipale::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    disposer();
}

void FenetrePrincipale::closeEvent(QCloseEvent* event) {
    // The window's unload runs the quit sequence.
    Quitter_Click();
    event->accept();
}

void FenetrePrincipale::contextMenuEvent(QContextMenuEvent* event) {
    c_.Menu->popup(event->globalPos());
}

bool FenetrePrincipale::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() != QEvent::KeyPress)
        return false;
    // A key that no control takes travels up to the window and comes here again; the keys left to
    // the controls have no effect here that a second look would repeat.
    auto* w = qobject_cast<QWidget*>(objet);
    if (!w || w->window() != this)
        return false;
    return toucheAvantControles(static_cast<QKeyEvent*>(evenement)->key());
}

bool FenetrePrincipale::toucheAvantControles(int touche) {
    EtatClavier e;
    e.avalerProchaine = ef_.avalerProchaineTouche;
    e.veille = etat_.veilleActive;
    e.zoom = ef_.zoom;
    for (const QString& nom : ControlesPrincipaux::nomsEcrans())
        if (QWidget* ec = ecran(nom); ec && ec->isVisible())
            e.ecransVisibles << nom;
    const QWidget* aide = findChild<QWidget*>(QStringLiteral("Aide"));
    e.texteAideVisible = aide && aide->isVisible();
    const ActionClavier a = ActionClavier::pour(touche, e);
    if (a.avalee)
        ef_.avalerProchaineTouche = false;
    if (a.quitter) {
        Quitter_Click();
        return true;
    }
    if (a.finZoom) {
        ef_.zoom = false;
        for (QScrollBar* b : {c_.VScroll1, c_.VScroll2, c_.HScroll2})
            b->hide();
    }
    if (!a.ecranAnnule.isEmpty()) {
        if (const auto annulation = annulations_.value(a.ecranAnnule))
            annulation();
        else if (QWidget* ec = ecran(a.ecranAnnule))
            ec->hide();
    }
    if (a.resetZoomEtPause) {
        if (crochetsFenetre_.resetZoom)
            crochetsFenetre_.resetZoom();
        if (crochetsFenetre_.pauseDiaporama)
            crochetsFenetre_.pauseDiaporama();
        else
            c_.Timer1->stop();
    }
    if (a.aide) {
        if (crochetsFenetre_.ouvrirAide)
            crochetsFenetre_.ouvrirAide();
        else if (QWidget* ec = ecran(QStringLiteral("Frame6")))
            ec->show();
    }
    if (a.rechercheEtDiaporama && crochetsFenetre_.rechercheEtDiaporama)
        crochetsFenetre_.rechercheEtDiaporama();
    return a.consommee;
}
