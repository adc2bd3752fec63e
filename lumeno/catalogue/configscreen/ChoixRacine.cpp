#include "ChoixRacine.h"

#include "ListeDossiers.h"
#include "ListeFichiers.h"
#include "ListeLecteurs.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {
const QString kInfobulle =
    QStringLiteral("Il faut cliquer dans la coche pour que le lecteur soit pris en compte ");
}

ChoixRacine::ChoixRacine(int numero, QWidget* parent) : QWidget(parent), numero_(numero) {
    const QString n = QString::number(numero);
    setObjectName(QStringLiteral("ChoixRacine") + n);
    drive_ = new ListeLecteurs(this);
    drive_->setObjectName(QStringLiteral("Drive") + n);
    drive_->setToolTip(kInfobulle);
    dir_ = new ListeDossiers(this);
    dir_->setObjectName(QStringLiteral("Dir") + n);
    file_ = new ListeFichiers(this);
    file_->setObjectName(QStringLiteral("File") + n);
    check_ = new QCheckBox(this);
    check_->setObjectName(QStringLiteral("ConfigCheck") + n);
    check_->setToolTip(kInfobulle);
    if (numero == 1) {
        // The first root is always part of the catalogue.
        check_->setChecked(true);
        check_->setEnabled(false);
    } else {
        file_->setEnabled(false);
    }

    auto* gauche = new QVBoxLayout;
    gauche->addWidget(drive_);
    gauche->addWidget(dir_);
    auto* ligne = new QHBoxLayout(this);
    ligne->setContentsMargins(0, 0, 0, 0);
    ligne->addLayout(gauche, 3);
    ligne->addWidget(file_, 2);
    ligne->addWidget(check_, 0, Qt::AlignTop);

    connect(drive_, &ListeLecteurs::lecteurChoisi, this, &ChoixRacine::lecteurChoisi);
    connect(dir_, &ListeDossiers::cheminChange, this, [this](const QString& chemin) {
        file_->setDossier(chemin);
        emit dossierChange(numero_);
    });
    connect(check_, &QCheckBox::clicked, this, [this](bool coche) {
        file_->setEnabled(coche);
        emit caseCliquee(numero_, coche);
    });
    connect(file_, &QListWidget::itemClicked, this, [this] { emit fichierClique(numero_); });
}

void ChoixRacine::lecteurChoisi(const QString& racine) {
    // A volume that cannot be read (a card reader without its card) leaves the list where it was.
    if (!dir_->allerA(racine)) {
        drive_->choisirPourChemin(dir_->chemin());
    }
}

QString ChoixRacine::chemin() const {
    return dir_->chemin();
}

bool ChoixRacine::cochee() const {
    return check_->isChecked();
}

void ChoixRacine::montrer(const QString& chemin, bool cochee) {
    dir_->setChemin(chemin);
    drive_->choisirPourChemin(dir_->chemin());
    file_->setDossier(dir_->chemin());
    check_->setChecked(cochee);
    file_->setEnabled(cochee);
}
