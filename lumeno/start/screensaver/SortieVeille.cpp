#include "SortieVeille.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWidget>

SortieVeille::SortieVeille(QObject* parent) : QObject(parent) {}

SortieVeille::~SortieVeille() {
    arreter();
}

void SortieVeille::surveiller(QWidget* fenetre) {
    arreter();
    fenetre_ = fenetre;
    demandee_ = false;
    if (fenetre && qApp) {
        qApp->installEventFilter(this);
    }
}

void SortieVeille::arreter() {
    if (qApp) {
        qApp->removeEventFilter(this);
    }
    fenetre_.clear();
}

bool SortieVeille::eventFilter(QObject* objet, QEvent* evenement) {
    const QEvent::Type type = evenement->type();
    if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) {
        return false;
    }
    auto* cible = qobject_cast<QWidget*>(objet);
    if (!cible || fenetre_.isNull() || demandee_) {
        return false;
    }
    if (cible->window() != fenetre_->window() || qobject_cast<QMenu*>(cible->window())) {
        return false;
    }
    if (type == QEvent::KeyPress) {
        if (static_cast<QKeyEvent*>(evenement)->key() == Qt::Key_Space) {
            return true; // the space bar does nothing in the screen saver
        }
    } else if (static_cast<QMouseEvent*>(evenement)->button() != Qt::LeftButton) {
        return false;
    }
    demandee_ = true;
    emit finDemandee();
    return true;
}
