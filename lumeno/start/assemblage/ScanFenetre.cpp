#include "ScanFenetre.h"

#include "FenetrePrincipale.h"
#include "Scan.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

ScanFenetre::ScanFenetre(FenetrePrincipale& fenetre)
    : QObject(&fenetre), f_(fenetre), minuterie_(new QTimer(this)) {
    minuterie_->setInterval(0);
    connect(minuterie_, &QTimer::timeout, this, &ScanFenetre::tranche);
}

ScanFenetre::~ScanFenetre() = default;

void ScanFenetre::lancer() {
    if (scan_)
        return;
    ParametresScan p;
    p.dossierProgramme = f_.etat().dossierProgramme;
    p.reglages = f_.demarrage().reglages();
    scan_ = std::make_unique<Scan>(p, static_cast<RetourScan&>(*this));
    minuterie_->start();
}

void ScanFenetre::tranche() {
    if (!scan_)
        return;
    if (scan_->etape(40))
        return;
    minuterie_->stop();
    const FinScan fin = scan_->resultat().fin;
    scan_.reset();
    if (fin == FinScan::Terminee || fin == FinScan::ModeleAbsent) {
        f_.redemarrerApresScan();
        return;
    }
    // The previous catalogue stays; the buttons come back.
    ControlesPrincipaux& c = f_.controles();
    for (QWidget* w : {static_cast<QWidget*>(c.Quitter), static_cast<QWidget*>(c.OuvreConfig),
                       static_cast<QWidget*>(c.OuvreRecherche), static_cast<QWidget*>(c.ClavierBlanc)})
        w->show();
}

void ScanFenetre::message(const QString& texte) {
    f_.controles().Message->setText(texte);
}

void ScanFenetre::messageBas(const QString& texte) {
    f_.controles().MessageBas->setText(texte);
}

void ScanFenetre::moment(Moment moment) {
    ControlesPrincipaux& c = f_.controles();
    if (moment == Moment::Debut) {
        for (QWidget* w : c.rangee())
            if (w != c.MessageBas)
                w->hide();
        c.Quitter->show();
        c.ClavierBlanc->show();
    }
}

void ScanFenetre::progression(const Progression& p) {
    f_.controles().MessageBas->setText(QString::number(p.dossiers) + QStringLiteral(" dossier(s), ") +
                                       QString::number(p.fichiers) + QStringLiteral(" fichier(s)"));
}
