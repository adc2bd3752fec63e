#include "BoiteFenetre.h"
#include "Lanceur.h"
#include "LanceurBureau.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumeno"));
    Boite::installer(std::make_shared<BoiteFenetre>());
    Lanceur::installer(std::make_shared<LanceurBureau>());

    QLabel fenetre(QStringLiteral("Lumeno"));
    fenetre.setObjectName(QStringLiteral("Lumeno"));
    fenetre.setWindowTitle(QStringLiteral("Lumeno"));
    fenetre.setAlignment(Qt::AlignCenter);
    fenetre.setAutoFillBackground(true);
    QPalette p = fenetre.palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, Qt::white);
    fenetre.setPalette(p);
    fenetre.resize(1024, 700);
    fenetre.show();
    return app.exec();
}
