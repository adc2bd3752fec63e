#include "frmConfig.h"

#include "Boite.h"
#include "FichierVeille.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

QLineEdit* texte(QWidget* parent, const char* nom, const QString& infobulle = {}) {
    auto* boite = new QLineEdit(parent);
    boite->setObjectName(QLatin1String(nom));
    boite->setToolTip(infobulle);
    return boite;
}

QLabel* etiquette(QWidget* parent, const QString& texte, const QString& infobulle = {}) {
    auto* label = new QLabel(texte, parent);
    label->setWordWrap(true);
    label->setToolTip(infobulle);
    return label;
}

} // namespace

frmConfig::frmConfig(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(QStringLiteral("Lumeno "));

    CmdChemin_ =
        texte(this, "CmdChemin",
              QStringLiteral("Normalement il ne faut pas toucher cette ligne, elle est automatique."));
    CmdChemin_->setVisible(false);
    CmdChemin_->setEnabled(false);
    CmdAleatoire_ = texte(this, "CmdAleatoire",
                          QStringLiteral("En dessous si vous mettez Paysages, il faut mettre le nombre de "
                                         "photos de paysages que vous avez (environ)."));
    CmdMot_ = texte(this, "CmdMot", QStringLiteral("Ce mot est le vrai élément de recherche."));
    CmdTempo_ = texte(this, "CmdTempo", QStringLiteral("tempo du diaporama de veille  d'écran"));
    VeilleInternetCheck_ = new QCheckBox(QStringLiteral("Internet"), this);
    VeilleInternetCheck_->setObjectName(QStringLiteral("VeilleInternetCheck"));
    VeillePasseInternet_ = texte(this, "VeillePasseInternet");
    VeillePasseInternet_->setEnabled(false);
    CmdAnnee_ = texte(this, "CmdAnnee");
    cmdOK_ = new QPushButton(QStringLiteral("Valider"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    CmdAnnul_ = new QPushButton(QStringLiteral("Annuler"), this);
    CmdAnnul_->setObjectName(QStringLiteral("CmdAnnul"));

    auto* grille = new QGridLayout(this);
    int rang = 0;
    grille->addWidget(
        etiquette(this, QStringLiteral("Critères des photos pour le départ de la veille d'écran :")), rang++,
        0, 1, 2);
    grille->addWidget(CmdChemin_, rang++, 0, 1, 2);
    grille->addWidget(
        etiquette(this,
                  QStringLiteral("Ecrire le mot  : Aléatoire. Ou, un nombre de sauts de photos si "
                                 "vous mettez un mot en dessous."),
                  QStringLiteral("Le nombre de sauts sera aléatoire entre zéro et le nombre de "
                                 "sauts défini.")),
        rang, 0);
    grille->addWidget(CmdAleatoire_, rang++, 1);
    grille->addWidget(
        etiquette(this, QStringLiteral(
                            "Mot possible de recherche s'il n'y a pas le mot \"Aléatoire\" ci-dessus :")),
        rang, 0);
    grille->addWidget(CmdMot_, rang++, 1);
    grille->addWidget(
        etiquette(this, QStringLiteral("Temps entre 2 photos ( valeur comprise entre  5 et 32 secondes) :")),
        rang, 0);
    grille->addWidget(CmdTempo_, rang++, 1);
    grille->addWidget(etiquette(this, QStringLiteral("Annee de recherche ( si pas \"Aléatoire\"  )")), rang,
                      0);
    grille->addWidget(CmdAnnee_, rang++, 1);
    grille->addWidget(etiquette(this, QStringLiteral("Pour valider la coche de veille sur Internet.  (Un mot "
                                                     "particulier sera utilisable mi 2005)")),
                      rang, 0);
    grille->addWidget(VeilleInternetCheck_, rang++, 1);
    grille->addWidget(VeillePasseInternet_, rang++, 1);
    grille->addWidget(cmdOK_, rang, 0);
    grille->addWidget(CmdAnnul_, rang++, 1);

    connect(cmdOK_, &QPushButton::clicked, this, &frmConfig::cmdOK_Click);
    connect(CmdAnnul_, &QPushButton::clicked, this, &frmConfig::CmdAnnul_Click);

    montrerValeurs(FichierVeille{});
    adjustSize();
    setFixedSize(sizeHint());
    if (const QScreen* ecran = QGuiApplication::primaryScreen()) {
        move(ecran->availableGeometry().center() - rect().center());
    }
    charger();
}

void frmConfig::charger() {
    if (!QFileInfo(cheminFichierVeille()).isFile()) {
        Boite::information(
            QStringLiteral("Information"),
            QStringLiteral(
                "Il manque le fichier Lumeno3.txt (qui est une copie de Lumeno1.txt). Lumeno3.txt est à "
                "copier dans le même dossier que Lumeno.scr  Il est possible de réaliser ce fichier avec "
                "la suite à contion de connaitre le chemin du logiciel Lumeno.exe"));
        return;
    }
    // A copy that cannot be read leaves the defaults.
    const LectureVeille lecture = lireFichierVeille();
    if (lecture.present) {
        montrerValeurs(saisieVeille(lecture));
    }
}

FichierVeille frmConfig::valeurs() const {
    FichierVeille v;
    v.cheminProgramme = CmdChemin_->text();
    v.aleatoire = CmdAleatoire_->text();
    v.mot = CmdMot_->text();
    v.tempo = CmdTempo_->text();
    v.internet = VeilleInternetCheck_->isChecked();
    v.motInternet = VeillePasseInternet_->text();
    v.annee = CmdAnnee_->text();
    return v;
}

void frmConfig::montrerValeurs(const FichierVeille& v) {
    CmdChemin_->setText(v.cheminProgramme);
    CmdAleatoire_->setText(v.aleatoire);
    CmdMot_->setText(v.mot);
    CmdTempo_->setText(v.tempo);
    VeilleInternetCheck_->setChecked(v.internet);
    VeillePasseInternet_->setText(v.motInternet);
    CmdAnnee_->setText(v.annee);
}

void frmConfig::cmdOK_Click() {
    QString erreur;
    if (!ecrireFichierVeille(valeurs(), dossierConfiguration(), &erreur)) {
        Boite::critique(QStringLiteral("Erreur"),
                        QStringLiteral("Erreur : le fichier Lumeno3.txt n'a pas pu être enregistré (") +
                            cheminFichierVeille() + QStringLiteral(") : ") + erreur);
        return;
    }
    accept();
}

void frmConfig::CmdAnnul_Click() {
    reject();
}
