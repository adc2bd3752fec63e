#include "frmMain.h"

#include "BoiteMaj.h"

#include <DictionnaireExif.h>
#include <ModificationExif.h>
#include <TexteExif.h>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeView>
#include <QTreeWidget>

#include <exception>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

void remplirListe(QListWidget* liste, const QStringList& lignes) {
    liste->clear();
    liste->addItems(lignes);
}

} // namespace

frmMain::frmMain(Sorties sorties, QWidget* parent) : QWidget(parent), sorties_(std::move(sorties)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("LumenoMaj : Exif, IPTC et Microsoft"));
    c_.construire(this);
    connect(c_.ChoixDossier, &QPushButton::clicked, this, &frmMain::ChoixDossier_Click);
    connect(c_.Quitter3, &QPushButton::clicked, this, &frmMain::Quitter3_Click);
    connect(c_.Quitter, &QPushButton::clicked, this, &frmMain::Quitter_Click);
    connect(c_.Modification, &QPushButton::clicked, this, &frmMain::Modification_Click);
    connect(c_.Equilibre1, &QPushButton::clicked, this, &frmMain::Equilibre1_Click);
    connect(c_.Sauver, &QPushButton::clicked, this, &frmMain::Sauver_Click);
    connect(c_.cmdValid, &QPushButton::clicked, this, &frmMain::cmdValid_Click);
    connect(c_.cbEXIFIFD, &QComboBox::activated, this, &frmMain::cbEXIFIFD_Click);
    connect(c_.cbEXIFTags, &QComboBox::activated, this, &frmMain::cbEXIFTags_Click);
    connect(c_.IptcDir1, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { pointerDossier(c_.modeleDossiers->filePath(index)); });
    connect(c_.IptcDrive1, &QComboBox::activated, this,
            [this](int index) { pointerDossier(c_.IptcDrive1->itemText(index)); });
}

frmMain::~frmMain() = default;

void frmMain::pointerDossier(const QString& dossier) {
    const QModelIndex index = c_.modeleDossiers->index(dossier);
    if (index.isValid()) {
        c_.IptcDir1->setCurrentIndex(index);
        c_.IptcDir1->scrollTo(index);
    }
    ouverture_.dossier = dossier;
    remplirListe(c_.IptcFile1, LotMetadonnees::photosDuDossier(dossier));
}

QString frmMain::dossierChoisi() const {
    return ouverture_.dossier;
}

void frmMain::DebutExif1(const OuvertureFenetre& ouverture) {
    try {
        ouverture_ = ouverture;
        c_.Quitter3->show();
        switch (ouverture.mode) {
        case ModeFenetre::DateExif:
            c_.Quitter3->setToolTip(QStringLiteral("ATTENTION : arrête d'un processus automatique !"));
            c_.FrameChoix->hide();
            c_.FrameInit->show();
            c_.FrameFichier->show();
            c_.SSTab1->hide();
            c_.Aide->setPlainText(
                QStringLiteral("Toutes les photos numériques seront renommées sous le\r\n"
                               "format AAAA-MM-JJ-HHMMSS-ancien_nom.jpg \r\n\r\n"
                               "Cette action va renommer toutes les photos du dossier choisi. \r\n"
                               "Confirmer le Choix du dossier pour la suite ou choisir\r\n"
                               "un autre dossier.\r\n"));
            break;
        case ModeFenetre::EcrireDossier:
            c_.FrameInit->show();
            c_.FrameFichier->show();
            c_.FrameChoix->show();
            c_.SSTab1->hide();
            break;
        case ModeFenetre::LecturePhoto:
            resize(pixels(7400), pixels(8700));
            c_.Quitter3->setToolTip(QStringLiteral("Fin des propriétés"));
            c_.FrameInit->hide();
            c_.SSTab1->show();
            nomBase_ = AnalyseNom::nomBase(ouverture.nomFichier);
            analyse_ = AnalyseNom::analyser(nomBase_, ouverture.format);
            cheminPhoto_ = QDir(ouverture.dossier).filePath(ouverture.nomFichier);
            DebutExifLumeno();
            c_.LabelWindows->setText(QStringLiteral("Dossier : ") + kCrLf +
                                     QDir::toNativeSeparators(ouverture.dossier) + kCrLf + kCrLf + kCrLf +
                                     QStringLiteral("Photo : ") + kCrLf + nomBase_);
            c_.LabelAuto->setText(QDir::toNativeSeparators(ouverture.dossier) + kCrLf + nomBase_);
            c_.Modification->show();
            return;
        }
        c_.IptcFile1->setEnabled(false);
        c_.ChoixDossier->show();
        pointerDossier(ouverture.dossier);
    } catch (const std::exception&) {
        BoiteMaj::afficher({BoiteMaj::Icone::Information, QStringLiteral("Erreur"),
                            QStringLiteral("Erreur LumenoMaj module DebutExif1 "),
                            BoiteMaj::Boutons::OkAnnuler});
    }
}

void frmMain::DebutExifLumeno() {
    photo_ = ChargementPhoto::charger(cheminPhoto_);
    afficherPhoto(photo_);
    // A photo that could not be read is shown empty and can never be saved over.
    c_.Modification->setEnabled(photo_.lue);
    c_.Sauver->setEnabled(photo_.lue);
    c_.Equilibre1->setEnabled(photo_.lue);
    c_.cmdValid->setEnabled(photo_.lue);
    if (!photo_.lue) {
        c_.LabelErreur->setText(photo_.erreurLecture);
        if (sorties_.journal)
            sorties_.journal(photo_.erreurLecture);
    }
}

void frmMain::afficherPhoto(const PhotoMetadonnees& photo) {
    if (&photo != &photo_)
        photo_ = photo;
    afficherListesExif();
    afficherChamps(photo_.champs);
    c_.lvIPTC->clear();
    for (const LigneIptc& ligne : photo_.lignesIptc)
        c_.lvIPTC->addTopLevelItem(new QTreeWidgetItem({ligne.nom, ligne.valeur}));
}

void frmMain::afficherListesExif() {
    c_.cbEXIFImage->clear();
    c_.cbEXIFImage->setEnabled(false);
    if (photo_.aExif) {
        c_.cbEXIFImage->addItems({QStringLiteral("Image 0"), QStringLiteral("Image 1")});
        c_.cbEXIFImage->setCurrentIndex(0);
    }
    remplirListe(c_.lstEXIFIFD, photo_.lignesIfd);
    remplirListe(c_.lstEXIFIFD1, photo_.lignesIfd1);
    remplirListe(c_.lstEXIFMakerNote, photo_.lignesNote);
    c_.cbEXIFIFD->clear();
    c_.cbEXIFTags->clear();
    c_.txtEXIFValue->clear();
    if (!photo_.exif.ifd0.vide()) {
        c_.cbEXIFIFD->addItem(QStringLiteral("IFD0"), 0);
        c_.cbEXIFIFD->addItem(QStringLiteral("IFD1"), 1);
        c_.cbEXIFIFD->setCurrentIndex(-1);
    }
}

void frmMain::afficherChamps(const ChampsPhoto& ch) {
    c_.txtEXIFTitle->setText(ch.xpTitre);
    c_.txtEXIFAuthor->setText(ch.xpAuteur);
    c_.txtEXIFKeywords->setText(ch.xpMotsCles);
    c_.txtEXIFSubject->setText(ch.xpSujet);
    c_.txtEXIFComments->setPlainText(ch.xpCommentaire);
    c_.txtEXIFDateOrigine->setText(ch.dateOrigine);
    c_.txtEXIFImageDescription->setText(ch.description);
    c_.txtEXIFDateTime->setText(ch.dateHeure);
    c_.txtEXIFCopyright->setText(ch.copyright);
    c_.txtEXIFArtist->setText(ch.artiste);
    c_.txtIPTCCopyright->setText(ch.iptcCopyright);
    c_.txtIPTCCaption->setText(ch.iptcSousTitre);
    c_.txtIPTCCaptionWriter->setText(ch.iptcSousTitreEcrit);
    c_.txtIPTCCategories->setText(ch.iptcCategories);
    c_.cbIPTCUrgence->setCurrentIndex(ch.iptcUrgence);
    c_.txtIPTCByLine->setText(ch.iptcAuteur);
    c_.txtIPTCByLineTitle->setText(ch.iptcTitreAuteur);
    c_.txtIPTCCredits->setText(ch.iptcCredits);
    c_.txtIPTCSource->setText(ch.iptcSource);
    c_.txtIPTCName->setText(ch.iptcNomObjet);
    c_.txtIPTCDay->setText(ch.iptcJour);
    c_.txtIPTCMonth->setText(ch.iptcMois);
    c_.txtIPTCYear->setText(ch.iptcAnnee);
    c_.txtIPTCCity->setText(ch.iptcVille);
    c_.txtIPTCProvince->setText(ch.iptcProvince);
    c_.txtIPTCCountry->setText(ch.iptcPays);
    // The keywords box shows one keyword a line; CR LF is what the fields hold.
    QString mots = ch.iptcMotsCles;
    mots.replace(kCrLf, QStringLiteral("\n"));
    c_.txtIPTCKeywords->setPlainText(mots);
}

ChampsPhoto frmMain::lireChamps() const {
    ChampsPhoto ch;
    ch.xpTitre = c_.txtEXIFTitle->text();
    ch.xpAuteur = c_.txtEXIFAuthor->text();
    ch.xpMotsCles = c_.txtEXIFKeywords->text();
    ch.xpSujet = c_.txtEXIFSubject->text();
    ch.xpCommentaire = c_.txtEXIFComments->toPlainText();
    ch.dateOrigine = c_.txtEXIFDateOrigine->text();
    ch.description = c_.txtEXIFImageDescription->text();
    ch.dateHeure = c_.txtEXIFDateTime->text();
    ch.copyright = c_.txtEXIFCopyright->text();
    ch.artiste = c_.txtEXIFArtist->text();
    ch.iptcCopyright = c_.txtIPTCCopyright->text();
    ch.iptcSousTitre = c_.txtIPTCCaption->text();
    ch.iptcSousTitreEcrit = c_.txtIPTCCaptionWriter->text();
    ch.iptcCategories = c_.txtIPTCCategories->text();
    ch.iptcUrgence = c_.cbIPTCUrgence->currentIndex();
    ch.iptcAuteur = c_.txtIPTCByLine->text();
    ch.iptcTitreAuteur = c_.txtIPTCByLineTitle->text();
    ch.iptcCredits = c_.txtIPTCCredits->text();
    ch.iptcSource = c_.txtIPTCSource->text();
    ch.iptcNomObjet = c_.txtIPTCName->text();
    ch.iptcJour = c_.txtIPTCDay->text();
    ch.iptcMois = c_.txtIPTCMonth->text();
    ch.iptcAnnee = c_.txtIPTCYear->text();
    ch.iptcVille = c_.txtIPTCCity->text();
    ch.iptcProvince = c_.txtIPTCProvince->text();
    ch.iptcPays = c_.txtIPTCCountry->text();
    QString mots = c_.txtIPTCKeywords->toPlainText();
    mots.replace(kCrLf, QStringLiteral("\n"));
    mots.replace(QLatin1Char('\n'), kCrLf);
    ch.iptcMotsCles = mots;
    return ch;
}

OptionsEquilibre frmMain::options() const {
    OptionsEquilibre o;
    o.lumenoImpose = c_.OptionLumenoImpose->isChecked();
    o.effaceImpose = c_.CheckEffaceImpose->isChecked();
    o.microsoftMajeur = c_.CheckMicrosoftMajeur->isChecked();
    o.auteur = c_.ChoixAuteur->text();
    o.motAjout = c_.ChoixMotAjout->text();
    o.format = ouverture_.format;
    return o;
}

void frmMain::ChoixDossier_Click() {
    if (lot_ && lot_->enCours())
        return;
    const LotMetadonnees::Mode mode = ouverture_.mode == ModeFenetre::DateExif
                                          ? LotMetadonnees::Mode::Renommage
                                          : LotMetadonnees::Mode::Remplissage;
    SortiesLot sorties;
    sorties.afficher = [this](const QString& texte) { c_.LabelAuto->setText(texte); };
    sorties.journal = sorties_.journal;
    sorties.photoChargee = [this](const PhotoMetadonnees& photo) { afficherPhoto(photo); };
    sorties.fin = [this](const QString& titre, const QString& texte) {
        BoiteMaj::information(titre, texte);
        terminer();
    };
    sorties.arrete = [this] { terminer(); };
    lot_ = std::make_unique<LotMetadonnees>(mode, dossierChoisi(), sorties);
    lot_->definirPas(pasLot_);
    resize(pixels(8640), pixels(7400));
    c_.FrameInit->hide();
    c_.SSTab1->show();
    c_.Quitter3->show();
    lot_->demarrer(options());
}

void frmMain::Quitter3_Click() {
    if (lot_ && lot_->enCours()) {
        lot_->demanderArret();
        c_.Quitter3->hide();
        return;
    }
    terminer();
}

void frmMain::Quitter_Click() {
    terminer();
}

void frmMain::Modification_Click() {
    resize(pixels(13260), height());
    c_.FrameInit->show();
    c_.FrameChoix->show();
    c_.FrameFichier->show();
    c_.Aide->show();
    c_.Quitter->hide();
    // The folder jobs are not started from the one-photo window.
    c_.ChoixDossier->hide();
    c_.Modification->hide();
    c_.Sauver->show();
    c_.Equilibre1->show();
}

void frmMain::Equilibre1_Click() {
    c_.Equilibre1->hide();
    ChampsPhoto champs = lireChamps();
    Equilibre::equilibrer(champs, nomBase_, analyse_, options());
    afficherChamps(champs);
}

void frmMain::Sauver_Click() {
    c_.Modification->show();
    c_.FrameInit->hide();
    c_.Equilibre1->hide();
    c_.Sauver->hide();
    resize(pixels(7400), height());
    QString erreur;
    if (!ChargementPhoto::sauver(photo_, lireChamps(), &erreur)) {
        BoiteMaj::afficher(
            {BoiteMaj::Icone::Critique, QStringLiteral("Erreur"), erreur, BoiteMaj::Boutons::Ok});
        if (sorties_.journal)
            sorties_.journal(erreur);
        return;
    }
    afficherPhoto(photo_);
}

void frmMain::cmdValid_Click() {
    if (!photo_.lue)
        return;
    const std::pair<quint32, QLineEdit*> utiles[] = {
        {270, c_.txtEXIFImageDescription},
        {306, c_.txtEXIFDateTime},
        {33432, c_.txtEXIFCopyright},
        {315, c_.txtEXIFArtist},
    };
    for (const auto& [tag, boite] : utiles)
        if (!boite->text().isEmpty())
            definirTexteExif(photo_.exif, SelecteurIfd0, tag, boite->text());
    const int ifd = c_.cbEXIFIFD->currentData().isValid() ? c_.cbEXIFIFD->currentData().toInt() : -9;
    const QVariant tag = c_.cbEXIFTags->currentData();
    if (ifd != -9 && tag.isValid() && !c_.txtEXIFValue->text().isEmpty())
        definirTexteExif(photo_.exif, ifd, tag.toUInt(), c_.txtEXIFValue->text());
    // The lists and the EXIF boxes come from the record again; the other boxes keep what was typed.
    const ChampsPhoto tape = lireChamps();
    photo_.aExif = photo_.aExif || !photo_.exif.ifd0.vide();
    ChargementPhoto::remplirDepuisBlocs(photo_);
    ChampsPhoto champs = tape;
    champs.description = photo_.champs.description;
    champs.dateHeure = photo_.champs.dateHeure;
    champs.copyright = photo_.champs.copyright;
    champs.artiste = photo_.champs.artiste;
    photo_.champs = champs;
    afficherListesExif();
    afficherChamps(champs);
}

void frmMain::cbEXIFIFD_Click() {
    c_.cbEXIFTags->clear();
    c_.txtEXIFValue->clear();
    const Ifd* ifd = photo_.exif.repertoire(c_.cbEXIFIFD->currentData().toInt());
    if (!ifd)
        return;
    for (const EntreeIfd& e : ifd->entrees)
        if (e.type == ExifAscii)
            c_.cbEXIFTags->addItem(nomTagExif(e.tag), e.tag);
    c_.cbEXIFTags->setCurrentIndex(-1);
}

void frmMain::cbEXIFTags_Click() {
    const Ifd* ifd = photo_.exif.repertoire(c_.cbEXIFIFD->currentData().toInt());
    const EntreeIfd* e = ifd ? ifd->trouver(c_.cbEXIFTags->currentData().toUInt()) : nullptr;
    c_.txtEXIFValue->setText(e ? ChargementPhoto::avantZero(texteAscii(e->donnees)) : QString());
}

void frmMain::terminer() {
    if (fini_)
        return;
    fini_ = true;
    if (lot_)
        lot_->timer().stop();
    hide();
    if (sorties_.terminer)
        sorties_.terminer();
}

void frmMain::closeEvent(QCloseEvent* event) {
    terminer();
    event->accept();
}
