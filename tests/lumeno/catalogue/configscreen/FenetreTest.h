#pragma once

#include "EcranConfig.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QWidget>

#include <memory>

// A main window reduced to what the configuration screen touches: the bottom row, the two message
// labels, the search and HTML screens; the hooks count their calls.
struct FenetreTest {
    QWidget fenetre;
    QLabel* message = new QLabel(&fenetre);
    QLabel* messageBas = new QLabel(&fenetre);
    QWidget* frame2 = new QWidget(&fenetre);
    QWidget* frame3 = new QWidget(&fenetre);
    QListWidget* liste = new QListWidget(frame2);
    int reprises = 0;
    int ouvertures = 0;
    bool permise = true;
    QString dossierLigneCommande;
    QString dossierProgramme;
    QList<ResultatScan> fins;
    std::unique_ptr<EcranConfig> ecran;

    static constexpr const char* boutons[] = {"Marche",  "OuvreRecherche", "Arriere",
                                              "Marche3", "Miniature",      "ClavierBlanc",
                                              "Quitter", "OuvreConfig",    "Pause"};

    FenetreTest() {
        message->setObjectName(QStringLiteral("Message"));
        messageBas->setObjectName(QStringLiteral("MessageBas"));
        frame2->setObjectName(QStringLiteral("Frame2"));
        frame3->setObjectName(QStringLiteral("Frame3"));
        liste->setObjectName(QStringLiteral("Liste"));
        for (const char* nom : boutons) {
            auto* b = new QPushButton(QString::fromLatin1(nom), &fenetre);
            b->setObjectName(QLatin1String(nom));
        }
        auto* curseur = new QScrollBar(Qt::Horizontal, &fenetre);
        curseur->setObjectName(QStringLiteral("HScroll1"));

        LiensConfig liens;
        liens.fenetre = &fenetre;
        liens.message = message;
        liens.messageBas = messageBas;
        liens.dossierProgramme = [this] { return dossierProgramme; };
        liens.ouverturePermise = [this] { return permise; };
        liens.dossierLigneCommande = [this] { return dossierLigneCommande; };
        liens.avantOuverture = [this] { ++ouvertures; };
        liens.repriseDiaporama = [this] { ++reprises; };
        liens.finScan = [this](const ResultatScan& r) { fins << r; };
        ecran = std::make_unique<EcranConfig>(liens, &fenetre);
    }

    double dpi() const { return fenetre.screen()->logicalDotsPerInch(); }
    QWidget* controle(const char* nom) const { return fenetre.findChild<QWidget*>(QLatin1String(nom)); }
    template <class T> T* dans(const char* nom) const { return ecran->findChild<T*>(QLatin1String(nom)); }
};
