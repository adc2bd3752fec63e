#include "VueFenetre.h"

#include "FenetrePrincipale.h"
#include "ListesRecherche.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

VueFenetre::~VueFenetre() {
    if (attente_)
        QApplication::restoreOverrideCursor();
}

void VueFenetre::messageHaut(const QString& texte) {
    f_.controles().Message->setText(texte);
}

void VueFenetre::messageBas(const QString& texte) {
    f_.controles().MessageBas->setText(texte);
}

void VueFenetre::montrerMessageBas(bool visible) {
    f_.controles().MessageBas->setVisible(visible);
}

void VueFenetre::curseurAttente(bool attente) {
    if (attente == attente_)
        return;
    attente_ = attente;
    if (attente)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void VueFenetre::barreEnBasDeFenetre() {
    f_.etatFenetre().hautBarre = f_.hauteurTwips() - 850;
    f_.placerBarre();
}

void VueFenetre::armerTimer2(int etat, int millisecondes) {
    f_.etat().differe = etat;
    f_.controles().Timer2->start(millisecondes);
}

void VueFenetre::arreterTimer2() {
    f_.controles().Timer2->stop();
}

void VueFenetre::pleinEcran() {
    f_.EcranPlein();
}

void VueFenetre::modeFenetre() {
    f_.Fenetre();
}

bool VueFenetre::estMaximisee() const {
    return f_.isMaximized() || f_.isFullScreen();
}

bool VueFenetre::etatNormal() const {
    return !(f_.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
}

void VueFenetre::minimiser() {
    f_.setWindowState(Qt::WindowMinimized);
}

void VueFenetre::placerFenetre(int haut, int gauche, int hauteur, int largeur) {
    const int x = gauche > 0 ? f_.enPixels(gauche) : f_.x();
    const int y = haut > 0 ? f_.enPixels(haut) : f_.y();
    f_.move(x, y);
    f_.resize(largeur > 0 ? f_.enPixels(largeur) : f_.width(),
              hauteur > 0 ? f_.enPixels(hauteur) : f_.height());
}

void VueFenetre::retenirTailleNormale(int hauteur, int largeur) {
    if (hauteur > 10)
        f_.etatFenetre().hauteurNormale = hauteur;
    if (largeur > 10)
        f_.etatFenetre().largeurNormale = largeur;
}

void VueFenetre::intervalleTimer1(int millisecondes) {
    f_.controles().Timer1->setInterval(millisecondes);
}

void VueFenetre::demarrerTimer1() {
    f_.controles().Timer1->start();
}

void VueFenetre::curseurVitesse(int valeur) {
    f_.controles().HScroll1->setValue(valeur >= 1 && valeur <= 15 ? valeur : 4);
}

void VueFenetre::boutons(const BoutonsVisibles& v) {
    ControlesPrincipaux& c = f_.controles();
    c.Quitter->setVisible(v.quitter);
    c.OuvreConfig->setVisible(v.config);
    c.OuvreRecherche->setVisible(v.recherche);
    c.Miniature->setVisible(v.miniature);
    c.Arriere->setVisible(v.arriere);
    c.Marche3->setVisible(v.marche3);
    c.Marche->setVisible(v.marche);
    c.Pause->setVisible(v.pause);
    c.ClavierBlanc->setVisible(v.clavierBlanc);
    c.HScroll1->setVisible(v.curseur);
    if (!v.legendeMiniature.isEmpty())
        c.Miniature->setText(v.legendeMiniature);
    if (v.clavierBlanc) {
        c.ClavierBlanc->setEnabled(true);
        c.ClavierBlanc->setFocus();
    }
}

void VueFenetre::ouvrirConfiguration() {
    if (f_.crochetsFenetre().ouvrirConfiguration) {
        f_.crochetsFenetre().ouvrirConfiguration();
        return;
    }
    if (QWidget* e = f_.ecran(QStringLiteral("Frame1"))) {
        e->show();
        e->raise();
    }
}

void VueFenetre::ouvrirRecherche() {
    if (f_.crochetsFenetre().ouvrirRecherche) {
        f_.crochetsFenetre().ouvrirRecherche();
        return;
    }
    if (QWidget* e = f_.ecran(QStringLiteral("Frame2"))) {
        e->show();
        e->raise();
    }
}

void VueFenetre::listesPretes(const ListesRecherche& listes) {
    listes_ = &listes;
    if (f_.crochetsFenetre().listesPretes)
        f_.crochetsFenetre().listesPretes(listes);
}

void VueFenetre::quitter() {
    f_.Quitter_Click();
}
