#include "EcranRecherche.h"

#include "ApercuListe.h"
#include "Boite.h"
#include "FormesMot.h"
#include "LignesContexte.h"
#include "Twips.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

namespace {

// A label that starts the slideshow when clicked (Image2).
class ImageCliquable : public QLabel {
public:
    explicit ImageCliquable(QWidget* parent, std::function<void()> clic)
        : QLabel(parent), clic_(std::move(clic)) {}

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && clic_)
            clic_();
    }

private:
    std::function<void()> clic_;
};

constexpr int kHautLignes = 2600; // top of the catalogue list, the explorer and the music list

} // namespace

EcranRecherche::EcranRecherche(CriteresSelection& criteres, EtatSelection& etat, ModesRecherche& modes,
                               Selection& selection, GrilleContextes& grille, QWidget* parent)
    : QGroupBox(QStringLiteral("Choix  Multicritères de Recherche"), parent), criteres_(criteres),
      etat_(etat), modes_(modes), selection_(selection), grille_(grille) {
    setObjectName("Frame2");
    setAutoFillBackground(true);
    creerControles();
    disposer(14060);
    hide();
}

void EcranRecherche::creerControles() {
    auto bouton = [this](const char* nom, const QString& texte, const QString& bulle = {}) {
        auto* b = new QPushButton(texte, this);
        b->setObjectName(nom);
        if (!bulle.isEmpty())
            b->setToolTip(bulle);
        return b;
    };
    auto label = [this](const char* nom, const QString& texte, const QString& bulle = {}) {
        auto* l = new QLabel(texte, this);
        l->setObjectName(nom);
        if (!bulle.isEmpty())
            l->setToolTip(bulle);
        return l;
    };

    labelAnnee_ = label("LabelAnnee", "Année");
    choixAnnee_ = new QComboBox(this);
    choixAnnee_->setObjectName("ChoixAnnee");
    choixAnnee_->setEditable(true);
    choixAnnee_->setEditText("Année");
    labelMois_ = label("LabelMois", "Mois");
    choixMois_ = new QComboBox(this);
    choixMois_->setObjectName("ChoixMois");
    choixMois_->setEditable(true);
    choixMois_->setEditText("Mois");
    listeMotDefini_ = new QComboBox(this);
    listeMotDefini_->setObjectName("ListeMotDefini");
    listeMotDefini_->setEditable(true);
    listeMotDefini_->setEditText("Mot");
    listeMotDefini_->setToolTip(
        "Choisir un mot dans la liste ou écrire un mot de votre choix dans la case à coté");
    labelMot_ = label("LabelMot", "Mots", "Mot particulier d'une série de photos.");
    choixMot_ = new QLineEdit(this);
    choixMot_->setObjectName("ChoixMot");
    choixMot_->setToolTip("Ce mot vient en complément possible de la liste");

    labelRepert_ = label("LabelRepert", "Dossiers", "Les répertoires cochés sont retenus.");
    choixRepert_ = new QListWidget(this);
    choixRepert_->setObjectName("ChoixRepert");
    // Several columns of folders, as a list box with columns.
    choixRepert_->setFlow(QListView::TopToBottom);
    choixRepert_->setWrapping(true);
    choixRepert_->setResizeMode(QListView::Adjust);
    inverse_ = bouton("InverseSelectionRepertoires", "Inverse la Selection");

    labelContextes_ = label("LabelContextes", "Contextes");
    contexteListe_ = new QListWidget(this);
    contexteListe_->setObjectName("ContexteListe");
    contexteListe_->setToolTip("Diaporamas particuliers ");
    contexteDetails_ = bouton("ContexteDetails", "Détails des Contextes", "Permet de modifier les Contextes");

    liste_ = new QListWidget(this);
    liste_->setObjectName("Liste");
    liste_->setUniformItemSizes(true);
    image2_ = new ImageCliquable(this, [this] { CommenceRechercheDiaporama_Click(); });
    image2_->setObjectName("Image2");
    image2_->setScaledContents(true);
    labelImage2_ = label("LabelImage2", "");

    dir4Frame_ = new QGroupBox("Explorateur de fichiers", this);
    dir4Frame_->setObjectName("Dir4Frame");
    musiques_ = new QListWidget(this);
    musiques_->setObjectName("MusiquesListeMP3");
    labelMusiques_ = label("LabelMusiquesListeRecherche", "");
    playlistAffichage_ = bouton("PlaylistAffichage", "Playlist");
    playlistFrame_ = new QFrame(this);
    playlistFrame_->setObjectName("PlaylistFrame");
    playlistFrame_->hide();

    ouvreConfig3_ =
        bouton("OuvreConfig3", "&Config", "Ouvre la fenêtre de configuration de la Base de Données");
    annulRecherche_ = bouton("AnnulRecherche", "&Annuler");
    resetRecherche_ = bouton("ResetRecherche", "Reset des paramètres");
    rechercheWeb_ = bouton("RechercheWeb", "Recherche          &Web");
    rechercheAleatoire_ = bouton("RechercheAleatoire", "Diaporama     Aléatoire");
    commenceMiniAlbum_ = bouton("CommenceRechercheMiniAlbum", "Recherche et &Mini-Album ");
    commenceDiaporama_ = bouton("CommenceRechercheDiaporama", "&Recherche et Diaporama");

    connect(ouvreConfig3_, &QPushButton::clicked, this, [this] {
        if (crochets_.ouvrirConfiguration)
            crochets_.ouvrirConfiguration();
    });
    connect(annulRecherche_, &QPushButton::clicked, this, [this] { AnnulRecherche_Click(); });
    connect(resetRecherche_, &QPushButton::clicked, this, [this] { ResetRecherche_Click(); });
    connect(rechercheWeb_, &QPushButton::clicked, this, [this] {
        if (crochets_.rechercheWeb)
            crochets_.rechercheWeb();
    });
    connect(rechercheAleatoire_, &QPushButton::clicked, this, [this] { RechercheAleatoire_Click(); });
    connect(commenceMiniAlbum_, &QPushButton::clicked, this, [this] { CommenceRechercheMiniAlbum_Click(); });
    connect(commenceDiaporama_, &QPushButton::clicked, this, [this] { CommenceRechercheDiaporama_Click(); });
    connect(inverse_, &QPushButton::clicked, this, [this] { InverseSelectionRepertoires_Click(); });
    connect(contexteDetails_, &QPushButton::clicked, this, [this] { ContexteDetails_Click(); });
    connect(contexteListe_, &QListWidget::itemDoubleClicked, this, [this] { ContexteListe_DblClick(); });
    // A user's click (not a selection made from code) reads the entry and shows its preview.
    connect(liste_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Liste_Click(liste_->row(item)); });
    connect(liste_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { Liste_DblClick(liste_->row(item)); });

    // Changing a criterion means a search, not the explorer's file or the music list.
    connect(choixAnnee_, &QComboBox::editTextChanged, this, [this] { effacerModesChoisis(); });
    connect(choixMois_, &QComboBox::editTextChanged, this, [this] { effacerModesChoisis(); });
    connect(choixMot_, &QLineEdit::textChanged, this, [this] { effacerModesChoisis(); });
    connect(choixRepert_, &QListWidget::itemClicked, this, [this] { effacerModesChoisis(); });
}

void EcranRecherche::disposer(int W) {
    const double dpi = logicalDpiX();
    auto placer = [dpi](QWidget* w, int gauche, int haut, int largeur, int hauteur) {
        w->setGeometry(Twips::versPixels(gauche, dpi), Twips::versPixels(haut, dpi),
                       Twips::versPixels(largeur, dpi), Twips::versPixels(hauteur, dpi));
    };
    const bool large = W >= 13400;
    const int largeurListe = large ? 5295 : 4095;
    const int largeurContexteListe = large ? 3855 : 2775;
    const int gaucheDir4Frame = large ? 5640 : 4440;
    const int gaucheMusiques = large ? 10800 : 9480;
    const int largeurChoixRepert = large ? 9735 : 8315;
    const int gaucheImage2 = large ? 11400 : 10100;
    const int largeurMusiques = W > 14800 ? 3600 : 2415;

    placer(labelAnnee_, 120, 150, 600, 285);
    placer(choixAnnee_, 720, 120, 1100, 315);
    placer(labelMois_, 1950, 150, 500, 285);
    placer(choixMois_, 2450, 120, 900, 315);
    placer(labelMot_, 3500, 150, 600, 285);
    placer(listeMotDefini_, 4100, 120, 2400, 315);
    placer(choixMot_, 6600, 120, 1800, 315);

    placer(labelRepert_, 120, 600, 1500, 285);
    placer(choixRepert_, 120, 900, largeurChoixRepert, 1500);
    placer(inverse_, 120 + largeurChoixRepert + 120, 900, 1500, 495);

    placer(liste_, 120, kHautLignes, largeurListe, 4200);
    placer(dir4Frame_, gaucheDir4Frame, kHautLignes, 3000, 2300);
    placer(playlistFrame_, gaucheDir4Frame, kHautLignes, 3000, 2300);
    placer(labelContextes_, gaucheDir4Frame, 5000, 1500, 285);
    placer(contexteListe_, gaucheDir4Frame, 5300, largeurContexteListe, 1500);
    placer(contexteDetails_, gaucheDir4Frame + largeurContexteListe + 120, 5300, 1100, 700);
    placer(playlistAffichage_, gaucheMusiques, 2250, 650, 315);
    placer(labelMusiques_, gaucheMusiques + 700, 2280, 1700, 285);
    placer(musiques_, gaucheMusiques, kHautLignes, largeurMusiques, 2300);
    placer(image2_, gaucheImage2, 5000, 2400, 1500);
    placer(labelImage2_, gaucheImage2, 6550, 2400, 285);

    const int hautBoutons = 7000;
    placer(ouvreConfig3_, 120, hautBoutons, 1200, 600);
    placer(annulRecherche_, 1440, hautBoutons, 1200, 600);
    placer(resetRecherche_, 2760, hautBoutons, 1800, 600);
    placer(rechercheWeb_, 4680, hautBoutons, 1500, 600);
    placer(rechercheAleatoire_, 6300, hautBoutons, 1500, 600);
    placer(commenceMiniAlbum_, 7920, hautBoutons, 2100, 600);
    placer(commenceDiaporama_, 10140, hautBoutons, 2300, 600);

    const int largeurFrame = std::max({W, gaucheMusiques + largeurMusiques + 120, gaucheImage2 + 2400 + 120});
    resize(Twips::versPixels(largeurFrame, dpi), Twips::versPixels(hautBoutons + 600 + 240, dpi));
}

void EcranRecherche::remplirListe(const QStringList& noms, const QList<int>& positionsTri) {
    liste_->clear();
    liste_->addItems(noms);
    positionsTri_ = positionsTri;
}

void EcranRecherche::remplirRepertoires(const QStringList& repertoires) {
    choixRepert_->clear();
    for (const QString& r : repertoires) {
        auto* item = new QListWidgetItem(r, choixRepert_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    criteres_.RepertChoix = repertoires;
    criteres_.toutRetenir();
}

void EcranRecherche::remplirContextes(const QStringList& noms) {
    contexteListe_->clear();
    contexteListe_->addItems(noms.isEmpty() ? QStringList{kAucunContexte} : noms);
    contexteListe_->setCurrentRow(0);
}

void EcranRecherche::remplirMots(const QStringList& mots) {
    listeMotDefini_->clear();
    listeMotDefini_->addItem(" ");
    listeMotDefini_->addItems(mots);
    listeMotDefini_->setCurrentIndex(0);
}

void EcranRecherche::remplirAnnees(const QStringList& annees) {
    choixAnnee_->clear();
    choixAnnee_->addItem(QString());
    choixAnnee_->addItems(annees);
    choixAnnee_->setCurrentIndex(0);
}

void EcranRecherche::remplirMois(const QStringList& mois) {
    choixMois_->clear();
    choixMois_->addItem(QString());
    choixMois_->addItems(mois);
    choixMois_->setCurrentIndex(0);
}

QString EcranRecherche::motListe() const {
    const int index = listeMotDefini_->currentIndex();
    const QString texte = listeMotDefini_->currentText();
    // A text typed over the entry is the list index -1 of a combo box.
    const bool tape = index < 0 || listeMotDefini_->itemText(index) != texte;
    return FormesMot::motListe(texte, tape ? -1 : index);
}

void EcranRecherche::effacerModesChoisis() {
    modes_.ModeExplorateur = false;
    modes_.ModeListeMusique = false;
}

void EcranRecherche::messageBaseInactive(const QString& texte) {
    Boite::information("Information", texte);
}

void EcranRecherche::OuvreRecherche_Click() {
    if (crochets_.ouvertureFenetre)
        crochets_.ouvertureFenetre();
    if (!modes_.ModeCatalogue && modes_.ModeCatalogueDepart)
        modes_.ModeCatalogue = true;
    show();
    raise();
    annulRecherche_->show();

    listeMotDefini_->setCurrentIndex(0);
    choixAnnee_->setCurrentIndex(0);
    choixMois_->setCurrentIndex(0);
    playlistAffichage_->show();
    commenceDiaporama_->setFocus();
    etat_.SautDiaporama = 0;
    etat_.SautMiniAlbum = 0;
    etat_.EvitePhotos = 0;
    criteres_.VeilleActive = false;

    if (crochets_.ouvertureDiaporama)
        crochets_.ouvertureDiaporama();
    ResetRecherche_Click();
    etat_.historique.vider();
    dir4Frame_->show();
}

void EcranRecherche::ResetRecherche_Click() {
    choixAnnee_->setEditText(QString());
    choixMois_->setEditText(QString());
    choixMot_->clear();
    criteres_.AnneeRecherche.clear();
    criteres_.MoisRecherche.clear();
    criteres_.MotRecherche.clear();
    modes_.ModeAleatoire = false;
    modes_.ModeExplorateur = false;
    modes_.ModeListeMusique = false;
    for (int i = 0; i < choixRepert_->count(); ++i)
        choixRepert_->item(i)->setCheckState(Qt::Checked);
    criteres_.toutRetenir();
    selectionnerEntreeListe(0);
    contexteListe_->setCurrentRow(0);
    listeMotDefini_->setCurrentIndex(0);
    choixAnnee_->setCurrentIndex(0);
    choixMois_->setCurrentIndex(0);
    update();
    if (crochets_.finZoom)
        crochets_.finZoom();
}

void EcranRecherche::AnnulRecherche_Click() {
    hide();
    if (modes_.DirectDemarrage) {
        choixAnnee_->setCurrentIndex(0);
        choixMois_->setCurrentIndex(0);
        listeMotDefini_->setCurrentIndex(0);
        if (modes_.ModeCatalogue) {
            modes_.ModeExplorateur = false;
            modes_.ModeListeMusique = false;
            ResetRecherche_Click();
        }
    }
    if (crochets_.annulation)
        crochets_.annulation();
}

void EcranRecherche::selectionnerEntreeListe(int index) {
    if (index < 0 || index >= liste_->count()) {
        liste_->setCurrentRow(-1);
        return;
    }
    const QSignalBlocker bloque(liste_);
    liste_->setCurrentRow(index);
    if (index < positionsTri_.size())
        criteres_.TriDepart = positionsTri_[index];
}

void EcranRecherche::Liste_Click(int index) {
    if (index < 0 || index >= positionsTri_.size())
        return;
    criteres_.TriDepart = positionsTri_[index];
    effacerModesChoisis();
    playlistFrame_->hide();
    // The entry is read by its position on a look-up of its own: the selection's walk is untouched.
    ActPhoto fiche;
    if (!crochets_.lireFiche || !crochets_.lireFiche(positionsTri_[index], fiche))
        return;
    const ApercuListe apercu = ApercuListe::pour(fiche, criteres_.Racines.value(0));
    if (!apercu.miniature.isEmpty()) {
        image2_->setPixmap(QPixmap(apercu.miniature));
    } else {
        image2_->clear();
    }
    labelImage2_->setText(apercu.libelle);
}

void EcranRecherche::Liste_DblClick(int index) {
    if (index >= 0 && index < positionsTri_.size())
        criteres_.TriDepart = positionsTri_[index];
    if (crochets_.ignorerRelachementPhoto)
        crochets_.ignorerRelachementPhoto();
    CommenceRechercheDiaporama_Click();
}

void EcranRecherche::prendreCriteres() {
    criteres_.AnneeRecherche = choixAnnee_->currentText();
    criteres_.MoisRecherche = choixMois_->currentText();
    criteres_.MotRecherche = choixMot_->text();
    criteres_.MotListe = motListe();

    std::vector<bool> coches;
    for (int i = 0; i < choixRepert_->count(); ++i)
        coches.push_back(choixRepert_->item(i)->checkState() == Qt::Checked);
    criteres_.retenir(coches);

    criteres_.preparerMots();

    selection_.ouvrir();
    criteres_.choisirContexte(grille_, contexteListe_->currentItem() ? contexteListe_->currentItem()->text()
                                                                     : kAucunContexte);
    // A start-up context taken instead of the list's entry is shown in the list.
    const auto trouves = contexteListe_->findItems(criteres_.ContexteChoisi, Qt::MatchExactly);
    if (!trouves.isEmpty())
        contexteListe_->setCurrentItem(trouves.first());
}

void EcranRecherche::CommenceRechercheDiaporama_Click() {
    if (crochets_.reactionCompagnon)
        crochets_.reactionCompagnon();
    hide();
    if (modes_.ModeExplorateur) {
        if (crochets_.diaporamaExplorateur)
            crochets_.diaporamaExplorateur();
        return;
    }
    if (modes_.ModeListeMusique) {
        if (crochets_.jouerListeMusique)
            crochets_.jouerListeMusique();
        return;
    }
    etat_.ModeMiniAlbum = false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    prendreCriteres();
    QApplication::restoreOverrideCursor();
    if (crochets_.diaporama)
        crochets_.diaporama(criteres_);
    modes_.DirectDemarrage = false;
}

void EcranRecherche::CommenceRechercheMiniAlbum_Click() {
    hide();
    if (modes_.ModeExplorateur) {
        if (crochets_.diaporamaExplorateur)
            crochets_.diaporamaExplorateur();
        return;
    }
    if (!modes_.ModeCatalogue) {
        messageBaseInactive("La Base De Données doit être activée pour cela (passer par Config).");
        return;
    }
    if (modes_.DirectDemarrage) {
        AnnulRecherche_Click();
        return;
    }
    annulRecherche_->hide();
    etat_.ModeMiniAlbum = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    prendreCriteres();
    QApplication::restoreOverrideCursor();
    if (crochets_.miniAlbum)
        crochets_.miniAlbum(criteres_);
}

void EcranRecherche::RechercheAleatoire_Click() {
    hide();
    modes_.ModeAleatoire = true;
    if (crochets_.aleatoire)
        crochets_.aleatoire();
}

void EcranRecherche::InverseSelectionRepertoires_Click() {
    if (!modes_.ModeCatalogue) {
        messageBaseInactive("La Base De Données doit être activée pour cette fonction (passer par Config).");
        return;
    }
    std::vector<bool> coches;
    for (int i = 0; i < choixRepert_->count(); ++i) {
        QListWidgetItem* item = choixRepert_->item(i);
        const bool coche = item->checkState() != Qt::Checked;
        item->setCheckState(coche ? Qt::Checked : Qt::Unchecked);
        coches.push_back(coche);
    }
    criteres_.retenir(coches);
    choixRepert_->update();
}

void EcranRecherche::ContexteListe_DblClick() {
    effacerModesChoisis();
    if (contexteListe_->currentRow() > 0)
        CommenceRechercheDiaporama_Click();
}

void EcranRecherche::ContexteDetails_Click() {
    if (!modes_.ModeCatalogue) {
        messageBaseInactive("La Base De Données doit être activée pour cette fonction (passer par Config).");
        return;
    }
    if (crochets_.ouvrirEditeurContextes)
        crochets_.ouvrirEditeurContextes();
}
