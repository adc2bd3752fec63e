#include "ControlesPrincipaux.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace {

QPushButton* bouton(QWidget* parent, const char* nom, const QString& legende) {
    auto* b = new QPushButton(legende, parent);
    b->setObjectName(QLatin1String(nom));
    return b;
}

QScrollBar* barre(QWidget* parent, const char* nom, Qt::Orientation orientation) {
    auto* s = new QScrollBar(orientation, parent);
    s->setObjectName(QLatin1String(nom));
    return s;
}

QLabel* etiquette(QWidget* parent, const char* nom) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(nom));
    l->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    return l;
}

} // namespace

const QStringList& ControlesPrincipaux::nomsEcrans() {
    static const QStringList noms{
        QStringLiteral("Frame1"), QStringLiteral("Frame2"),     QStringLiteral("Frame3"),
        QStringLiteral("Frame4"), QStringLiteral("Frame5_Php"), QStringLiteral("Frame6"),
        QStringLiteral("Frame7"), QStringLiteral("FrameHeure"), QStringLiteral("WebBrowser1")};
    return noms;
}

QList<QWidget*> ControlesPrincipaux::rangee() const {
    return {Quitter, OuvreConfig,  OuvreRecherche, Miniature,         Arriere,         Marche3,   Marche,
            Pause,   ClavierBlanc, HScroll1,       NavigateurArriere, NavigateurAvant, MessageBas};
}

ControlesPrincipaux ControlesPrincipaux::creer(QWidget* f) {
    ControlesPrincipaux c;
    c.Image1 = new QLabel(f);
    c.Image1->setObjectName(QStringLiteral("Image1"));
    c.Image1->setScaledContents(true);
    c.Image1->hide();

    c.Message = etiquette(f, "Message");
    QFont gras = c.Message->font();
    gras.setBold(true);
    c.Message->setFont(gras);
    c.MessageBas = etiquette(f, "MessageBas");
    c.MessageTexte = etiquette(f, "MessageTexte");
    c.MessageTexte->setWordWrap(true);
    c.MessageTexte->hide();

    c.Quitter = bouton(f, "Quitter", QStringLiteral("&Quitter"));
    c.OuvreConfig = bouton(f, "OuvreConfig", QStringLiteral("&Config"));
    c.OuvreRecherche = bouton(f, "OuvreRecherche", QStringLiteral("&Recherche"));
    c.Miniature = bouton(f, "Miniature", QStringLiteral("&MiniAlbum"));
    c.Arriere = bouton(f, "Arriere", QStringLiteral("<="));
    c.Marche3 = bouton(f, "Marche3", QStringLiteral("=>"));
    c.Marche = bouton(f, "Marche", QStringLiteral(">"));
    c.Pause = bouton(f, "Pause", QStringLiteral("&Pause"));
    c.ClavierBlanc = bouton(f, "ClavierBlanc", QStringLiteral("=>"));
    c.ClavierBlanc->setStyleSheet(QStringLiteral("background: black; color: white;"));
    c.HScroll1 = barre(f, "HScroll1", Qt::Horizontal);
    c.HScroll1->setRange(0, 32);
    c.HScroll1->setValue(12);
    c.NavigateurArriere = bouton(f, "NavigateurArriere", QStringLiteral("<  Web"));
    c.NavigateurAvant = bouton(f, "NavigateurAvant", QStringLiteral("Web  >"));
    c.NavigateurArriere->hide();
    c.NavigateurAvant->hide();

    c.VScroll1 = barre(f, "VScroll1", Qt::Vertical);
    c.VScroll2 = barre(f, "VScroll2", Qt::Vertical);
    c.HScroll2 = barre(f, "HScroll2", Qt::Horizontal);
    for (QScrollBar* zoom : {c.VScroll1, c.VScroll2, c.HScroll2})
        zoom->hide();

    for (const QString& nom : nomsEcrans()) {
        auto* ecran = new QFrame(f);
        ecran->setObjectName(nom);
        ecran->hide();
    }

    c.Timer1 = new QTimer(f);
    c.Timer1->setObjectName(QStringLiteral("Timer1"));
    c.Timer1->setInterval(8000);
    c.Timer2 = new QTimer(f);
    c.Timer2->setObjectName(QStringLiteral("Timer2"));
    c.Menu = new QMenu(f);
    c.Menu->setObjectName(QStringLiteral("Menu"));
    return c;
}
