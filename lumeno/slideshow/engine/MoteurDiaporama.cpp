#include "MoteurDiaporama.h"

#include "AffichagePhoto.h"
#include "DiapositiveTexte.h"
#include "Twips.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace {

void montrer(QWidget* w, bool visible) {
    if (w)
        w->setVisible(visible);
}

bool visible(const QWidget* w) {
    return w && w->isVisible();
}

void appeler(const std::function<void()>& f) {
    if (f)
        f();
}

int suivant(int slot) {
    return slot + 1 > 20 ? 1 : slot + 1;
}

} // namespace

MoteurDiaporama::MoteurDiaporama(const VueDiaporama& vue, CurseurDiaporama& curseur,
                                 AffichagePhoto& affichage, QObject* parent)
    : QObject(parent), vue_(vue), curseur_(curseur), affichage_(affichage),
      texte_(new DiapositiveTexte(vue)) {
    // Names and texts of files are shown as they are, never read as markup.
    for (QLabel* l : {vue_.Message, vue_.MessageBas, vue_.MessageTexte})
        if (l)
            l->setTextFormat(Qt::PlainText);
    if (vue_.Timer1)
        connect(vue_.Timer1, &QTimer::timeout, this, &MoteurDiaporama::Timer1_Timer);
    if (vue_.HScroll1)
        connect(vue_.HScroll1, &QAbstractSlider::valueChanged, this, &MoteurDiaporama::HScroll1_Change);
    const auto relier = [this](QAbstractButton* b, void (MoteurDiaporama::*action)()) {
        if (b)
            connect(b, &QAbstractButton::clicked, this, action);
    };
    relier(vue_.Marche, &MoteurDiaporama::Marche_Click);
    relier(vue_.Pause, &MoteurDiaporama::Pause_Click);
    relier(vue_.Marche3, &MoteurDiaporama::Marche3_Click);
    relier(vue_.ClavierBlanc, &MoteurDiaporama::ClavierBlanc_Click);
    relier(vue_.Arriere, &MoteurDiaporama::Arriere_Click);

    affichage_.actions.pause = [this] { Pause_Click(); };
    affichage_.actions.pasEnAvant = [this] { Marche3_Click(); };
    affichage_.actions.pasEnArriere = [this] { Arriere_Click(); };
    affichage_.actions.modeClickSouris = [this] { return etat.ModeClickSouris; };
    affichage_.actions.veilleActive = [this] { return curseur_.VeilleActive(); };
    affichage_.actions.elementTexte = [this] { return elementTexte(); };
}

MoteurDiaporama::~MoteurDiaporama() {
    delete texte_;
}

bool MoteurDiaporama::minimisee() const {
    return vue_.fenetre && vue_.fenetre->isMinimized();
}

bool MoteurDiaporama::pleinEcran() const {
    if (vue_.pleinEcran)
        return vue_.pleinEcran();
    return vue_.fenetre && (vue_.fenetre->isMaximized() || vue_.fenetre->isFullScreen());
}

double MoteurDiaporama::largeurTwips() const {
    return vue_.fenetre ? Twips::depuisPixels(vue_.fenetre->width(), vue_.fenetre->logicalDpiX()) : 0;
}

bool MoteurDiaporama::elementTexte() const {
    static const QStringList textes{"txt", "TXT", "Txt", "TXR"};
    return textes.contains(visu.VisuPhotoType);
}

// A history slot newer than the one on screen is taken as the current record.
void MoteurDiaporama::rattrapageHistorique() {
    if (curseur_.HistoLecture() == curseur_.HistoEcriture())
        return;
    etat.HistoParcours = true;
    const int slot = suivant(curseur_.HistoLecture());
    curseur_.fixerHistoLecture(slot);
    curseur_.prendreHistorique(slot);
}

void MoteurDiaporama::affichageEnMarche() {
    montrer(vue_.HScroll1, true);
    montrer(vue_.Marche3, false);
    if (vue_.Timer1)
        vue_.Timer1->start();
    etat.EnPause = 0;
    montrer(vue_.Marche, false);
    montrer(vue_.Pause, true);
    montrer(vue_.ClavierBlanc, true);
    if (vue_.ClavierBlanc)
        vue_.ClavierBlanc->setFocus();
    curseur_.fixerVeilleActive(false);
    montrer(vue_.Quitter, true);
}

void MoteurDiaporama::Marche_Click() {
    if (visible(vue_.Frame1)) {
        appeler(crochets.annulerConfig);
        return;
    }
    if (visible(vue_.Frame2)) {
        if (!etat.DirectDemarrageAvi)
            appeler(crochets.annulerRecherche);
        return;
    }
    montrer(vue_.Frame3, false);
    if (visible(vue_.Frame6))
        appeler(crochets.annulerAide);
    if (affichage_.etat().ZoomActif)
        affichage_.ZoomFin();

    if (etat.DirectDemarrageMp3 || etat.DirectDemarrageAvi) {
        etat.EnPause = 0;
        montrer(vue_.Marche, false);
        montrer(vue_.Pause, true);
        if (vue_.Timer1)
            vue_.Timer1->start();
        RechercheFin();
        return;
    }

    rattrapageHistorique();
    if (etat.HistoParcours) {
        if (etat.PasAPas) {
            if (vue_.Arriere)
                vue_.Arriere->setText(QStringLiteral("<="));
            etat.PasAPas = false;
            AffichageDiaporama();
        } else {
            affichageEnMarche();
            // The slot just taken is shown now; the next tick takes the following one.
            AffichageDiaporama();
        }
        return;
    }
    if (!curseur_.ModeCatalogue()) {
        appeler(crochets.explorateurSuivant);
        return;
    }
    if (vue_.Arriere)
        vue_.Arriere->setText(QStringLiteral("<="));
    if (etat.PasAPas) {
        etat.PasAPas = false;
        AffichageDiaporama();
        return;
    }
    affichageEnMarche();
    if (!visible(vue_.OuvreConfig))
        montrer(vue_.Miniature, true);
    rattrapageHistorique();
    AffichageDiaporama();
}

void MoteurDiaporama::Timer1_Timer() {
    if (etat.ExplorateurEnMarche) {
        Marche_Click();
        return;
    }
    if (etat.EnPause)
        return;
    rattrapageHistorique();
    AffichageDiaporama();
}

void MoteurDiaporama::Pause_Click() {
    if (etat.ExplorateurEnMarche) {
        etat.ExplorateurEnMarche = false;
        montrer(vue_.Marche, true);
        montrer(vue_.Pause, false);
        montrer(vue_.HScroll1, false);
        montrer(vue_.Marche3, true);
        if (vue_.Timer1)
            vue_.Timer1->stop();
        montrer(vue_.Arriere, true);
        return;
    }
    if (vue_.Timer1)
        vue_.Timer1->stop();
    etat.EnPause = 1;
    montrer(vue_.Pause, false);
    montrer(vue_.Marche, true);
    if (vue_.ClavierBlanc)
        vue_.ClavierBlanc->setFocus();
    montrer(vue_.HScroll1, false);
    montrer(vue_.Marche3, true);
}

void MoteurDiaporama::Marche3_Click() {
    etat.PasAPas = true;
    if (vue_.Marche3)
        vue_.Marche3->setText(QStringLiteral("=>"));
    Marche_Click();
}

void MoteurDiaporama::ClavierBlanc_Click() {
    if (vue_.Timer1)
        vue_.Timer1->stop();
    etat.EnPause = 1;
    montrer(vue_.HScroll1, false);
    montrer(vue_.Pause, false);
    montrer(vue_.Marche, true);
    montrer(vue_.Marche3, true);
    Marche3_Click();
}

void MoteurDiaporama::Marche2_Click() {
    ReveilVeille();
    Marche_Click();
}

void MoteurDiaporama::Pause2_Click() {
    ReveilVeille();
    Pause_Click();
}

void MoteurDiaporama::Arriere_Click() {
    if (visible(vue_.Pause))
        Pause_Click();
    if (visible(vue_.Frame6))
        appeler(crochets.annulerAide);

    if (!curseur_.ModeCatalogue()) {
        etat.PositionFichier -= 2;
        etat.PasAPas = true;
        Marche_Click();
        return;
    }
    const int lecture = curseur_.HistoLecture();
    // The newest slot holds the item fetched ahead, not the one on screen.
    int slot = lecture - (lecture == curseur_.HistoEcriture() ? 2 : 1);
    if (slot < 2) {
        if (!curseur_.Historique(20).rep.isEmpty()) {
            slot = 20;
        } else {
            slot = 1;
            if (vue_.Arriere)
                vue_.Arriere->setText(QStringLiteral("    "));
            if (vue_.ClavierBlanc)
                vue_.ClavierBlanc->setFocus();
        }
    }
    curseur_.fixerHistoLecture(slot);
    curseur_.prendreHistorique(slot);
    if (!curseur_.Historique(slot).rep.isEmpty()) {
        etat.HistoSansSuite = true;
        AffichageDiaporama();
    }
}

void MoteurDiaporama::HScroll1_Change() {
    if (vue_.HScroll1 && vue_.Timer1)
        vue_.Timer1->setInterval(vue_.HScroll1->value() * 1000 + 30);
}

void MoteurDiaporama::ClickSouris_Click() {
    affichage_.ZoomAnnule();
    etat.ModeClickSouris = true;
}

void MoteurDiaporama::ReveilVeille() {
    montrer(vue_.ClavierBlanc, false);
    if (vue_.Marche)
        vue_.Marche->setEnabled(true);
    if (vue_.Pause)
        vue_.Pause->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{vue_.Marche3, vue_.Marche, vue_.OuvreRecherche,
                                                      vue_.OuvreConfig, vue_.Arriere, vue_.Quitter})
        montrer(w, true);
    curseur_.fixerVeilleActive(false);
    curseur_.fixerVeilleAleatoire(false);
    if (vue_.HScroll1) {
        vue_.HScroll1->setRange(0, 15);
        vue_.HScroll1->setValue(4);
    }
    if (vue_.Timer1)
        vue_.Timer1->setInterval(4000);
    if (vue_.MessageBas)
        vue_.MessageBas->setText(QStringLiteral("Réveil de Lumeno."));
}
