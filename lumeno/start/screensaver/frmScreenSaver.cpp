#include "frmScreenSaver.h"

#include "FenetreNative.h"
#include "Twips.h"

#include <QEvent>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <QWindow>

frmScreenSaver::frmScreenSaver(QWidget* hote) : QWidget(hote) {
    setObjectName(QStringLiteral("frmScreenSaver"));
    setWindowFlags(hote ? Qt::Widget : (Qt::FramelessWindowHint | Qt::Tool));
    setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, Qt::black);
    setPalette(fond);
    setAutoFillBackground(true);

    lblText_ = new QLabel(this);
    lblText_->setObjectName(QStringLiteral("lblText"));
    QFont police(QStringLiteral("Arial"), 18);
    police.setBold(true);
    lblText_->setFont(police);
    QPalette texte = lblText_->palette();
    texte.setColor(QPalette::WindowText, Qt::white);
    lblText_->setPalette(texte);
    lblText_->setAttribute(Qt::WA_TranslucentBackground);
    lblText_->setAutoFillBackground(false);
    placerTexte();

    tmrScreenSaver_ = new QTimer(this);
    tmrScreenSaver_->setObjectName(QStringLiteral("tmrScreenSaver"));
    tmrScreenSaver_->setInterval(10);
    connect(tmrScreenSaver_, &QTimer::timeout, this, &frmScreenSaver::tic);

    if (hote) {
        setGeometry(0, 0, hote->width(), hote->height());
        hote->installEventFilter(this);
    }
    tmrScreenSaver_->start();
}

frmScreenSaver* frmScreenSaver::dansFenetreNative(quintptr idFenetre) {
    const std::optional<QSize> taille = FenetreNative::taille(idFenetre);
    if (FenetreNative::fenetresNativesConnues() && !taille) {
        return nullptr; // no such window
    }
    QWindow* hote = QWindow::fromWinId(static_cast<WId>(idFenetre));
    if (!hote) {
        return nullptr;
    }
    auto* apercu = new frmScreenSaver(nullptr);
    apercu->fenetreHote_ = hote;
    apercu->idHote_ = idFenetre;
    apercu->setAttribute(Qt::WA_NativeWindow);
    apercu->winId();
    QWindow* propre = apercu->windowHandle();
    if (!propre) {
        delete apercu;
        return nullptr;
    }
    // A child of the other program's window: it follows that window and never takes the focus.
    propre->setParent(hote);
    apercu->suivreHote();
    auto* suivi = new QTimer(apercu);
    suivi->setInterval(500);
    connect(suivi, &QTimer::timeout, apercu, &frmScreenSaver::suivreHote);
    suivi->start();
    apercu->show();
    return apercu;
}

void frmScreenSaver::suivreHote() {
    if (!fenetreHote_) {
        return;
    }
    const std::optional<QSize> taille = FenetreNative::taille(idHote_);
    if (!taille) {
        if (FenetreNative::fenetresNativesConnues()) {
            // The other program closed its window: the preview ends with it.
            close();
            return;
        }
        setGeometry(0, 0, fenetreHote_->width(), fenetreHote_->height());
        return;
    }
    const qreal ratio = devicePixelRatioF() > 0 ? devicePixelRatioF() : 1.0;
    const QRect voulu(0, 0, qRound(taille->width() / ratio), qRound(taille->height() / ratio));
    if (geometry() != voulu) {
        setGeometry(voulu);
    }
}

bool frmScreenSaver::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::Resize) {
        if (auto* w = qobject_cast<QWidget*>(objet)) {
            setGeometry(0, 0, w->width(), w->height());
        }
    }
    return QWidget::eventFilter(objet, evenement);
}

double frmScreenSaver::dpi() const {
    const QScreen* ecran = screen();
    return ecran ? ecran->logicalDotsPerInch() : 96.0;
}

void frmScreenSaver::placerTexte() {
    lblText_->setText(animation_.texte());
    lblText_->adjustSize();
    lblText_->move(Twips::versPixels(animation_.gauche(), dpi()),
                   Twips::versPixels(animation_.haut(), dpi()));
}

void frmScreenSaver::tic() {
    const double d = dpi();
    animation_.tic(Twips::depuisPixels(width(), d), Twips::depuisPixels(height(), d),
                   Twips::depuisPixels(lblText_->width(), d), Twips::depuisPixels(lblText_->height(), d));
    placerTexte();
}
