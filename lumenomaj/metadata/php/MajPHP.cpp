#include "MajPHP.h"

#include "BoiteMaj.h"
#include "ListePhp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* etiquette(QWidget* parent, const char* nom, const QString& texte = {}) {
    auto* label = new QLabel(texte, parent);
    label->setObjectName(QLatin1String(nom));
    label->setWordWrap(true);
    return label;
}

QPushButton* bouton(QWidget* parent, const char* nom, const QString& texte) {
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(QLatin1String(nom));
    return b;
}

} // namespace

MajPHP::MajPHP(Sorties sorties, QWidget* parent) : QWidget(parent), sorties_(std::move(sorties)) {
    setObjectName(QStringLiteral("MajPHP"));
    setWindowTitle(
        QStringLiteral("Lumeno : Utilitaire de Suppression d'un dossier dans le  fichier PHP MyBase"));
    Label5 = etiquette(this, "Label5");
    Label2 = etiquette(this, "Label2");
    Label1 = etiquette(this, "Label1");
    Label4 = etiquette(this, "Label4", QStringLiteral("Nom du Dossier à Supprimer :"));
    Dossier_Supprimer = new QLineEdit(this);
    Dossier_Supprimer->setObjectName(QStringLiteral("Dossier_Supprimer"));
    Valider_Nom_Dossier = bouton(this, "Valider_Nom_Dossier", QStringLiteral("Valider"));
    Quitter_Maj_PHP = bouton(this, "Quitter_Maj_PHP", QStringLiteral("Quitter"));

    auto* mise = new QVBoxLayout(this);
    for (QWidget* w : std::initializer_list<QWidget*>{Label5, Label2, Label1, Label4, Dossier_Supprimer})
        mise->addWidget(w);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(Valider_Nom_Dossier);
    boutons->addWidget(Quitter_Maj_PHP);
    mise->addLayout(boutons);

    connect(Valider_Nom_Dossier, &QPushButton::clicked, this, &MajPHP::Valider_Nom_Dossier_Click);
    connect(Quitter_Maj_PHP, &QPushButton::clicked, this, &MajPHP::Quitter_Maj_PHP_Click);
}

void MajPHP::ajouterStatut(const QString& texte) {
    Label2->setText(Label2->text() + texte);
}

void MajPHP::Depart(const QString& dossier) {
    dossier_ = dossier;
    supprimees_ = 0;
    show();
    const QString dossierAffiche = QDir::toNativeSeparators(dossier);
    Label5->setText(
        QStringLiteral(" Le but de cet utilitaire est de supprimer un Dossier particulier du fichier "
                       "TXT permettant de remplir la Base de données de PHP MyBase. Le fichier qui "
                       "sera modifié est : \r\n") +
        dossierAffiche +
        QStringLiteral("/Lumeno-Php-MyBase.txt  (le fichier d'origine est sauvé en "
                       "Lumeno-Php-MyBase-Old.txt)"));
    if (!QFileInfo::exists(ListePhp::cheminListe(dossier))) {
        ajouterStatut(QStringLiteral("Mais, le fichier Lumeno-Php-MyBase.txt n'existe pas dans le dossier ") +
                      dossierAffiche +
                      QStringLiteral(" La procedure sera impossible sans copie de ce fichier."));
        return;
    }
    ajouterStatut(QStringLiteral("Modification du fichier Lumeno-Php-MyBase.txt"));
    const ListePhp::Resultat sauvegarde = ListePhp::sauvegarder(dossier);
    if (!sauvegarde.ok) {
        // Without a fresh backup the removal would read an old list: nothing is changed.
        BoiteMaj::afficher(
            {BoiteMaj::Icone::Critique, QStringLiteral("Erreur"),
             sauvegarde.erreur + QStringLiteral("\r\nLe fichier Lumeno-Php-MyBase.txt n'est pas "
                                                "modifié."),
             BoiteMaj::Boutons::Ok});
        Quitter_Maj_PHP_Click();
    }
}

void MajPHP::Valider_Nom_Dossier_Click() {
    if (fini_)
        return;
    const QString nom = Dossier_Supprimer->text().trimmed();
    Label1->setText(QStringLiteral("Modification du fichier source Lumeno-Php-MyBase.txt en "
                                   "Lumeno-Php-MyBase-OUT.txt"));
    Label2->setText(QStringLiteral("En cas de difficulté, contactez l'auteur de Lumeno."));
    if (!QFileInfo::exists(ListePhp::cheminListe(dossier_))) {
        BoiteMaj::information(
            QStringLiteral("Petit Problème"),
            QStringLiteral("Il faut un fichier Lumeno-Php-MyBase.txt dans le dossier : \r\n") +
                QDir::toNativeSeparators(dossier_));
        fini_ = true;
        hide();
        if (sorties_.terminer)
            sorties_.terminer();
        return;
    }
    if (nom.isEmpty()) {
        BoiteMaj::information(
            QStringLiteral("Petit Problème"),
            QStringLiteral("Tapez le nom du dossier à supprimer du fichier Lumeno-Php-MyBase.txt."));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ListePhp::Resultat r = ListePhp::supprimerDossier(dossier_, nom);
    QApplication::restoreOverrideCursor();
    hide();
    if (r.ok) {
        supprimees_ = r.supprimees;
        BoiteMaj::information(
            QStringLiteral("Information"),
            QString::number(r.supprimees) + QStringLiteral(" lignes contenant le nom de dossier ") + nom +
                QStringLiteral(" ont été supprimées du fichier ") + QDir::toNativeSeparators(dossier_) +
                QStringLiteral("/Lumeno-Php-MyBase.txt . Il y a une sauvegarde de l'ancien fichier en "
                               "Lumeno-Php-MyBase-Old.txt."));
    } else {
        BoiteMaj::afficher({BoiteMaj::Icone::Critique, QStringLiteral("Erreur"),
                            r.erreur + QStringLiteral("\r\nAucune ligne n'a été supprimée."),
                            BoiteMaj::Boutons::Ok});
    }
    Quitter_Maj_PHP_Click();
}

void MajPHP::Quitter_Maj_PHP_Click() {
    if (fini_)
        return;
    fini_ = true;
    QApplication::restoreOverrideCursor();
    hide();
    if (sorties_.lancerLumeno)
        sorties_.lancerLumeno();
}

void MajPHP::closeEvent(QCloseEvent* event) {
    Quitter_Maj_PHP_Click();
    event->accept();
}
