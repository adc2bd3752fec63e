#include "EcranConfig.h"

#include "ChoixRacine.h"
#include "LancementScan.h"
#include "ListeDossiers.h"
#include "TextesConfig.h"
#include "Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QFrame* separation(QWidget* parent) {
    auto* ligne = new QFrame(parent);
    ligne->setFrameShape(QFrame::VLine);
    ligne->setFrameShadow(QFrame::Sunken);
    return ligne;
}

} // namespace

EcranConfig::EcranConfig(LiensConfig liens, QWidget* parent)
    : QGroupBox(QStringLiteral("Choix des répertoires contenant des sous-répertoires de Photos"), parent),
      liens_(std::move(liens)), message_(liens_.message), messageBas_(liens_.messageBas),
      base_(ReglagesLumeno::parDefaut()) {
    setObjectName(QStringLiteral("Frame1"));
    // A screen over the photo: the desktop's own colours, not the black of the photo area.
    QPalette couleurs = QApplication::palette();
    couleurs.setResolveMask(~QPalette::ResolveMask(0)); // every role set here, none from the window
    setPalette(couleurs);
    setAutoFillBackground(true);
    // The screen was designed for a small dialog font: its three columns fit in 13200 twips.
    QFont police = font();
    police.setPointSizeF(8);
    setFont(police);
    construire();
    lancement_ = new LancementScan(this);
    connect(lancement_, &LancementScan::message, this, [this](const QString& t) {
        if (message_) {
            message_->setText(t);
        }
    });
    connect(lancement_, &LancementScan::messageBas, this, [this](const QString& t) {
        if (messageBas_) {
            messageBas_->setText(t);
        }
    });
    connect(lancement_, &LancementScan::messageConfig, this,
            [this](const QString& t) { messageConfig(t, true); });
    connect(lancement_, &LancementScan::compagnon, this, [this](RetourScan::Animation a) {
        if (liens_.compagnon) {
            liens_.compagnon(a);
        }
    });
    connect(lancement_, &LancementScan::moment, this, &EcranConfig::moment);
    connect(lancement_, &LancementScan::termine, this, &EcranConfig::finScan);
    chargerReglages(base_);
    hide();
}

EcranConfig::~EcranConfig() {
    delete lancement_; // waits for a running scan to stop before the controls go
    lancement_ = nullptr;
    if (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
    }
}

QCheckBox* EcranConfig::coche(const char* nom, const QString& legende, const QString& infobulle) {
    auto* c = new QCheckBox(legende, this);
    c->setObjectName(QLatin1String(nom));
    // A caption is never cut: the column is as wide as its longest one.
    c->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    c->setToolTip(infobulle);
    return c;
}

QLineEdit* EcranConfig::texte(const char* nom, const QString& infobulle) {
    auto* t = new QLineEdit(this);
    t->setObjectName(QLatin1String(nom));
    t->setToolTip(infobulle);
    return t;
}

QLabel* EcranConfig::etiquette(const char* nom, const QString& legende, const QString& infobulle) {
    auto* l = new QLabel(legende, this);
    l->setObjectName(QLatin1String(nom));
    l->setToolTip(infobulle);
    l->setWordWrap(true);
    return l;
}

void EcranConfig::construire() {
    // The options keep their whole captions; the root choosers take the room left.
    auto* colonnes = new QHBoxLayout(this);
    colonnes->addWidget(colonneRacines(), 1);
    colonnes->addWidget(separation(this));
    colonnes->addWidget(colonneMedias(), 0);
    colonnes->addWidget(separation(this));
    colonnes->addWidget(colonneSysteme(), 0);
}

QWidget* EcranConfig::colonneRacines() {
    auto* colonne = new QWidget(this);
    auto* pile = new QVBoxLayout(colonne);
    MessageConfig_ = etiquette("MessageConfig", QStringLiteral("Photos possibles"));
    pile->addWidget(MessageConfig_);
    for (int i = 1; i <= 3; ++i) {
        auto* c = new ChoixRacine(i, colonne);
        choix_[i - 1] = c;
        pile->addWidget(c);
        connect(c, &ChoixRacine::dossierChange, this,
                [this](int n) { messageConfig(TextesConfig::dossierChange(n)); });
        connect(c, &ChoixRacine::caseCliquee, this,
                [this](int, bool coche) { messageConfig(TextesConfig::caseCochee(coche)); });
        connect(c, &ChoixRacine::fichierClique, this,
                [this](int n) { messageConfig(TextesConfig::fichierClique(n)); });
    }
    auto* boutons = new QGridLayout;
    ValideConfig_ = new QPushButton(QStringLiteral("&Valider la Configuration"), colonne);
    ValideConfig_->setObjectName(QStringLiteral("ValideConfig"));
    ValideConfig_->setToolTip(QStringLiteral("Une Base de Données sera créée"));
    AnnulConfig_ = new QPushButton(QStringLiteral("&Annuler"), colonne);
    AnnulConfig_->setObjectName(QStringLiteral("AnnulConfig"));
    ChoixStartConfig_ = new QPushButton(QStringLiteral("Choisir Start comme dossier"), colonne);
    ChoixStartConfig_->setObjectName(QStringLiteral("ChoixStartConfig"));
    ChoixStartConfig_->setToolTip(
        QStringLiteral("Retient le dossier de démarage comme le dossier de configuration"));
    ChoixStartConfig_->hide();
    boutons->addWidget(ValideConfig_, 0, 0, 1, 2);
    boutons->addWidget(AnnulConfig_, 1, 0);
    boutons->addWidget(ChoixStartConfig_, 1, 1);
    pile->addLayout(boutons);
    connect(ValideConfig_, &QPushButton::clicked, this, [this] { ValideConfig_Click(); });
    connect(AnnulConfig_, &QPushButton::clicked, this, &EcranConfig::AnnulConfig_Click);
    connect(ChoixStartConfig_, &QPushButton::clicked, this, &EcranConfig::ChoixStartConfig_Click);
    return colonne;
}

QWidget* EcranConfig::colonneMedias() {
    auto* colonne = new QWidget(this);
    auto* pile = new QVBoxLayout(colonne);
    pile->addWidget(etiquette("MessageConfigOption", QStringLiteral("Cocher les options de votre Micro :")));
    ConfigCheck8_ = coche("ConfigCheck8", QStringLiteral("Musique possible (MP3 et WMA)"),
                          QStringLiteral("Le micro sait lire ce format"));
    ConfigCheck12_ = coche("ConfigCheck12", QStringLiteral("Musique d'ambiance permanente"));
    ConfigCheck6_ = coche("ConfigCheck6", QStringLiteral("Vidéo possible (AVI et MPG)"),
                          QStringLiteral("Il faut avoir le codec DivX d'installé"));
    ConfigCheck7_ = coche("ConfigCheck7", QStringLiteral("Impose WindowsMediaPlayer pour lecture AVI et MPG"),
                          QStringLiteral("Autrement utilise Lumeno"));
    TexteCheck16_ =
        coche("TexteCheck16",
              QStringLiteral("Fichiers textes TXT utilisés pour les commentaires. Sinon format spécial TXR"));
    for (QWidget* w : {static_cast<QWidget*>(ConfigCheck8_), static_cast<QWidget*>(ConfigCheck12_),
                       static_cast<QWidget*>(ConfigCheck6_), static_cast<QWidget*>(ConfigCheck7_),
                       static_cast<QWidget*>(TexteCheck16_)}) {
        pile->addWidget(w);
    }
    pile->addWidget(
        etiquette("MessageKo", QStringLiteral("Couleur du  texte des commentaires Html pour Web."),
                  QStringLiteral("Si le fond de la page html est de couleur clair, choisir Noir")));
    CouleurTexteHtml_ =
        texte("CouleurTexteHtml", QStringLiteral("Choisir : Noir, Blanc, Rouge, Bleu, Jaune ou vert"));
    pile->addWidget(CouleurTexteHtml_);
    pile->addWidget(
        etiquette("FormatLabel",
                  QStringLiteral("Format possible pour les photos à la place du format AAAA-MM-xxxxxx :")));
    FormatPhotos1_ =
        texte("FormatPhotos1",
              QStringLiteral("Par exemple il est possible d'avoir xxMMAAxxxxxx ( MM pour Mois, AA pour "
                             "Année et xxxx pour commentaires"));
    pile->addWidget(FormatPhotos1_);
    ConfigCheck11_ = coche("ConfigCheck11", QStringLiteral("Création Automatique des Miniatures"));
    pile->addWidget(ConfigCheck11_);
    pile->addStretch();
    return colonne;
}

QWidget* EcranConfig::colonneSysteme() {
    auto* colonne = new QWidget(this);
    auto* pile = new QVBoxLayout(colonne);
    pile->addWidget(etiquette("WebLabel2", QStringLiteral("Site Web de photos :")));
    WebAutreURL_ = texte("WebAutreURL", QStringLiteral("URL possible ou rien pour site de Lumeno"));
    pile->addWidget(WebAutreURL_);
    pile->addWidget(etiquette("WebLabel3", QStringLiteral("Mot de passe sur ce site :")));
    WebMotPasse_ = texte("WebMotPasse", QStringLiteral("Mot de passe sur le site Web de Lumeno"));
    pile->addWidget(WebMotPasse_);
    pile->addWidget(
        etiquette("ConfigAutoJourLabel", QStringLiteral("Jours avant mise à jour automatique de la Config")));
    ConfigAutoJour_ = texte("ConfigAutoJour");
    pile->addWidget(ConfigAutoJour_);
    ConfigCheckTri_ = coche("ConfigCheckTri", QStringLiteral("OS antérieur à XP (pour tri alpha) "),
                            QStringLiteral("limité à ces versions pour le moment "));
    QuickTimeCheck17_ = coche("QuickTimeCheck17", QStringLiteral("QuickTime installé (MOV)  "));
    VocaleCheck19_ =
        coche("VocaleCheck19", QStringLiteral("Active la Synthèse Vocale"),
              QStringLiteral("Il faut avoir un logiciel de Synthése vocale installé sur le micro  pour "
                             "pouvoir valider cette coche."));
    PersonnagesCheck20_ =
        coche("PersonnagesCheck20", QStringLiteral("Autorise les Compagnons"),
              QStringLiteral("Affichera les compagnons : C'est pour le fun uniquement  :-)"));
    for (QWidget* w : {static_cast<QWidget*>(ConfigCheckTri_), static_cast<QWidget*>(QuickTimeCheck17_),
                       static_cast<QWidget*>(VocaleCheck19_), static_cast<QWidget*>(PersonnagesCheck20_)}) {
        pile->addWidget(w);
    }
    pile->addStretch();
    return colonne;
}

void EcranConfig::chargerReglages(const ReglagesLumeno& r) {
    base_ = r;
    for (int i = 0; i < 3; ++i) {
        QString chemin = r.racines[i].chemin;
        if (chemin.isEmpty()) {
            chemin = ReglagesLumeno::parDefaut().racines[0].chemin;
        }
        choix_[i]->montrer(chemin, r.racines[i].cochee);
    }
    ConfigCheck6_->setChecked(r.configCheck6);
    ConfigCheck7_->setChecked(r.configCheck7);
    ConfigCheck8_->setChecked(r.configCheck8);
    ConfigCheck11_->setChecked(r.configCheck11);
    ConfigCheck12_->setChecked(r.configCheck12);
    ConfigCheckTri_->setChecked(r.configCheckTri);
    TexteCheck16_->setChecked(r.texteCheck16);
    QuickTimeCheck17_->setChecked(r.quickTimeCheck17);
    VocaleCheck19_->setChecked(r.vocaleCheck19);
    PersonnagesCheck20_->setChecked(r.personnagesCheck20);
    CouleurTexteHtml_->setText(r.couleurTexteHtml);
    FormatPhotos1_->setText(r.formatPhotos1);
    WebAutreURL_->setText(r.webAutreURL);
    WebMotPasse_->setText(r.webMotPasse);
    ConfigAutoJour_->setText(r.configAutoJour);
    messageConfig(QStringLiteral("Photos possibles"));
}

ReglagesLumeno EcranConfig::reglages() const {
    ReglagesLumeno r = base_;
    for (int i = 0; i < 3; ++i) {
        r.racines[i].chemin = choix_[i]->chemin();
        r.racines[i].cochee = choix_[i]->cochee();
        r.racines[i].disponible = choix_[i]->dir()->disponible();
    }
    r.configCheck6 = ConfigCheck6_->isChecked();
    r.configCheck7 = ConfigCheck7_->isChecked();
    r.configCheck8 = ConfigCheck8_->isChecked();
    r.configCheck11 = ConfigCheck11_->isChecked();
    r.configCheck12 = ConfigCheck12_->isChecked();
    r.configCheckTri = ConfigCheckTri_->isChecked();
    r.texteCheck16 = TexteCheck16_->isChecked();
    r.quickTimeCheck17 = QuickTimeCheck17_->isChecked();
    r.vocaleCheck19 = VocaleCheck19_->isChecked();
    r.personnagesCheck20 = PersonnagesCheck20_->isChecked();
    r.couleurTexteHtml = CouleurTexteHtml_->text();
    r.formatPhotos1 = FormatPhotos1_->text();
    r.webAutreURL = WebAutreURL_->text();
    r.webMotPasse = WebMotPasse_->text();
    r.configAutoJour = ConfigAutoJour_->text();
    return r;
}

void EcranConfig::messageConfig(const QString& texte, bool gras) {
    QFont police = MessageConfig_->font();
    police.setBold(gras);
    MessageConfig_->setFont(police);
    MessageConfig_->setText(texte);
}

QWidget* EcranConfig::controleFenetre(const char* nom) const {
    return liens_.fenetre ? liens_.fenetre->findChild<QWidget*>(QLatin1String(nom)) : nullptr;
}

void EcranConfig::montrer(const char* nom, bool visible) const {
    if (QWidget* w = controleFenetre(nom)) {
        w->setVisible(visible);
    }
}

double EcranConfig::dpi() const {
    const QWidget* w = liens_.fenetre ? liens_.fenetre : this;
    const QScreen* ecran = w->screen();
    return ecran ? ecran->logicalDotsPerInch() : 96.0;
}

bool EcranConfig::fenetreNormale() const {
    return liens_.fenetre && !(liens_.fenetre->windowState() &
                               (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized));
}

void EcranConfig::restaurerTaille() {
    if (fenetreNormale() && hauteurRetenue_ > 0 && largeurRetenue_ > 0) {
        liens_.fenetre->resize(Twips::versPixels(largeurRetenue_, dpi()),
                               Twips::versPixels(hauteurRetenue_, dpi()));
    }
}

void EcranConfig::OuvreConfig_Click() {
    if (liens_.fenetre) {
        const double d = dpi();
        hauteurRetenue_ = Twips::depuisPixels(liens_.fenetre->height(), d);
        largeurRetenue_ = Twips::depuisPixels(liens_.fenetre->width(), d);
        if (liens_.tailleRetenue) {
            liens_.tailleRetenue(hauteurRetenue_, largeurRetenue_);
        }
        if (fenetreNormale()) {
            // The screen needs at least 8000 × 13200 twips.
            const int hauteur = std::max(liens_.fenetre->height(), Twips::versPixels(8000, d));
            const int largeur = std::max(liens_.fenetre->width(), Twips::versPixels(13200, d));
            liens_.fenetre->resize(largeur, hauteur);
        }
    }
    montrer("Frame2", false);
    montrer("Frame3", false);
    if (liens_.ouverturePermise && !liens_.ouverturePermise()) {
        return;
    }
    aLOuverture_ = reglages();
    show();
    raise();
    if (liens_.avantOuverture) {
        liens_.avantOuverture();
    }
    for (const char* nom : {"Marche", "OuvreRecherche", "Arriere", "Marche3", "Miniature", "ClavierBlanc",
                            "Quitter", "OuvreConfig", "HScroll1"}) {
        montrer(nom, false);
    }
    const QString dossier = liens_.dossierLigneCommande ? liens_.dossierLigneCommande() : QString();
    ChoixStartConfig_->setVisible(!dossier.isEmpty() && QDir::cleanPath(dossier) != choix_[0]->chemin());
}

void EcranConfig::AnnulConfig_Click() {
    if (scanEnCours()) {
        return;
    }
    restaurerTaille();
    chargerReglages(aLOuverture_);
    hide();
    for (const char* nom :
         {"Quitter", "ClavierBlanc", "OuvreConfig", "OuvreRecherche", "Marche", "HScroll1", "Arriere"}) {
        montrer(nom, true);
    }
    montrer("Miniature", false);
    montrer("Marche3", false);
    if (QWidget* clavier = controleFenetre("ClavierBlanc")) {
        clavier->setFocus();
    }
    if (liens_.repriseDiaporama) {
        liens_.repriseDiaporama();
    }
}

void EcranConfig::ChoixStartConfig_Click() {
    const QString dossier = liens_.dossierLigneCommande ? liens_.dossierLigneCommande() : QString();
    if (!dossier.isEmpty()) {
        choix_[0]->montrer(dossier, choix_[0]->cochee());
    }
    ChoixStartConfig_->hide();
}

bool EcranConfig::scanEnCours() const {
    return lancement_ && lancement_->enCours();
}

void EcranConfig::annulerScan() {
    if (lancement_) {
        lancement_->annuler();
    }
}

bool EcranConfig::ValideConfig_Click() {
    if (scanEnCours()) {
        return false;
    }
    ParametresScan parametres;
    parametres.dossierProgramme = liens_.dossierProgramme ? liens_.dossierProgramme() : QDir::currentPath();
    parametres.reglages = reglages();
    if (liens_.completerReglages) {
        liens_.completerReglages(parametres.reglages);
    }
    if (liens_.renommage) {
        const auto [signal, nombre] = liens_.renommage();
        parametres.signalRenommage = signal;
        parametres.nombreRenommes = nombre;
    }
    return lancement_->lancer(parametres);
}

void EcranConfig::moment(RetourScan::Moment m) {
    const double d = dpi();
    const int hauteur = liens_.fenetre ? Twips::depuisPixels(liens_.fenetre->height(), d) : 0;
    switch (m) {
    case RetourScan::Moment::Debut:
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (liens_.fenetre) {
            for (const char* nom : {"Liste", "MusiquesListeMP3"}) {
                if (auto* liste = liens_.fenetre->findChild<QListWidget*>(QLatin1String(nom))) {
                    liste->clear();
                }
            }
        }
        montrer("Quitter", true);
        montrer("ClavierBlanc", true);
        if (QWidget* clavier = controleFenetre("ClavierBlanc")) {
            clavier->setFocus();
        }
        ValideConfig_->hide();
        AnnulConfig_->hide();
        if (messageBas_) {
            messageBas_->clear();
            messageBas_->move(Twips::versPixels(200, d), Twips::versPixels(hauteur - 1200, d));
        }
        break;
    case RetourScan::Moment::ConfigurationMasquee:
        hide();
        break;
    case RetourScan::Moment::Fin:
        ValideConfig_->show();
        AnnulConfig_->show();
        restaurerTaille();
        if (messageBas_) {
            messageBas_->move(Twips::versPixels(6840, d), Twips::versPixels(hauteur - 850, d));
        }
        break;
    }
}

void EcranConfig::finScan(const ResultatScan& resultat) {
    while (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
    }
    // Whatever the end, the buttons come back; a scan that replaced nothing leaves the screen open.
    ValideConfig_->show();
    AnnulConfig_->show();
    const bool relance = resultat.fin == FinScan::Terminee || resultat.fin == FinScan::ModeleAbsent;
    if (resultat.fin == FinScan::ModeleAbsent) {
        restaurerTaille();
    }
    if (!relance && resultat.fin != FinScan::AucuneRacine) {
        show();
    }
    if (resultat.fin == FinScan::Terminee && messageBas_) {
        messageBas_->clear();
    }
    emit scanTermine(resultat);
    if (liens_.finScan) {
        liens_.finScan(resultat);
    }
}
