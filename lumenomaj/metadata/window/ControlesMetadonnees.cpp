#include "ControlesMetadonnees.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileSystemModel>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStorageInfo>
#include <QTabWidget>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

template <typename T> T* nomme(T* w, const char* nom) {
    w->setObjectName(QLatin1String(nom));
    return w;
}

QLineEdit* ligne(QWidget* parent, const char* nom) {
    return nomme(new QLineEdit(parent), nom);
}

QPlainTextEdit* texte(QWidget* parent, const char* nom) {
    return nomme(new QPlainTextEdit(parent), nom);
}

QGroupBox* cadre(const QString& titre, QWidget* parent, QWidget* contenu) {
    auto* g = new QGroupBox(titre, parent);
    auto* l = new QVBoxLayout(g);
    l->addWidget(contenu);
    return g;
}

} // namespace

int pixels(int twips) {
    return twips / 15;
}

void ControlesMetadonnees::construire(QWidget* f) {
    // Folder frame.
    FrameInit = nomme(new QWidget(f), "FrameInit");
    FrameFichier =
        nomme(new QGroupBox(QStringLiteral("Choix d'un dossier où les champs IPTC, Exif des photos "
                                           "seront modifiés "),
                            FrameInit),
              "FrameFichier");
    IptcDrive1 = nomme(new QComboBox(FrameFichier), "IptcDrive1");
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            IptcDrive1->addItem(volume.rootPath());
    modeleDossiers = new QFileSystemModel(f);
    modeleDossiers->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    modeleDossiers->setRootPath(QStringLiteral("/"));
    IptcDir1 = nomme(new QTreeView(FrameFichier), "IptcDir1");
    IptcDir1->setModel(modeleDossiers);
    for (int colonne = 1; colonne < modeleDossiers->columnCount(); ++colonne)
        IptcDir1->hideColumn(colonne);
    IptcDir1->header()->hide();
    IptcFile1 = nomme(new QListWidget(FrameFichier), "IptcFile1");
    LabelErreur = nomme(new QLabel(FrameFichier), "LabelErreur");
    auto* lf = new QVBoxLayout(FrameFichier);
    lf->addWidget(IptcDrive1);
    lf->addWidget(IptcDir1);
    lf->addWidget(IptcFile1);
    lf->addWidget(LabelErreur);

    FrameChoix =
        nomme(new QGroupBox(QStringLiteral("Paramètres utilisés pour la modification des Mots et Dates"),
                            FrameInit),
              "FrameChoix");
    ChoixAuteur = ligne(FrameChoix, "ChoixAuteur");
    ChoixMotAjout = ligne(FrameChoix, "ChoixMotAjout");
    OptionLumenoImpose =
        nomme(new QRadioButton(QStringLiteral("Lumeno Impose ses Noms et Date (base AAAA-MM-xxx-yyy-zzz)"),
                               FrameChoix),
              "OptionLumenoImpose");
    OptionExifImpose = nomme(new QRadioButton(QStringLiteral("Exif impose ses Noms et Date"), FrameChoix),
                             "OptionExifImpose");
    OptionLumenoImpose->setChecked(true);
    CheckEffaceImpose = nomme(
        new QCheckBox(QStringLiteral("Efface et remplace les anciennes valeurs Exif, Iptc et Microsoft "),
                      FrameChoix),
        "CheckEffaceImpose");
    CheckEffaceImpose->setChecked(true);
    CheckMicrosoftMajeur = nomme(
        new QCheckBox(QStringLiteral("Rempli Microsoft Titre et pas Exif Description (cause bug MS-XP)"),
                      FrameChoix),
        "CheckMicrosoftMajeur");
    auto* lc = new QFormLayout(FrameChoix);
    lc->addRow(QStringLiteral("Auteur"), ChoixAuteur);
    lc->addRow(QStringLiteral("Mot à ajouter (si utile)"), ChoixMotAjout);
    lc->addRow(OptionLumenoImpose);
    lc->addRow(OptionExifImpose);
    lc->addRow(CheckEffaceImpose);
    lc->addRow(CheckMicrosoftMajeur);

    Aide = texte(FrameInit, "Aide");
    Aide->setReadOnly(true);
    ChoixDossier = nomme(new QPushButton(QStringLiteral("Confirmer le dossier"), FrameInit), "ChoixDossier");
    ChoixDossier->setToolTip(QStringLiteral("Choisir les paramètres à droite avant de cliquer"));
    Quitter = nomme(new QPushButton(QStringLiteral("Quitter"), FrameInit), "Quitter");
    auto* li = new QGridLayout(FrameInit);
    li->addWidget(FrameFichier, 0, 0, 3, 1);
    li->addWidget(FrameChoix, 0, 1);
    li->addWidget(Aide, 1, 1);
    auto* boutonsInit = new QHBoxLayout;
    boutonsInit->addWidget(ChoixDossier);
    boutonsInit->addWidget(Quitter);
    li->addLayout(boutonsInit, 2, 1);

    // Tabs.
    SSTab1 = nomme(new QTabWidget(f), "SSTab1");

    auto* xp = new QWidget;
    txtEXIFTitle = ligne(xp, "txtEXIFTitle");
    txtEXIFAuthor = ligne(xp, "txtEXIFAuthor");
    txtEXIFKeywords = ligne(xp, "txtEXIFKeywords");
    txtEXIFSubject = ligne(xp, "txtEXIFSubject");
    txtEXIFComments = texte(xp, "txtEXIFComments");
    txtEXIFDateOrigine = ligne(xp, "txtEXIFDateOrigine");
    auto* lxp = new QFormLayout(xp);
    lxp->addRow(QStringLiteral("Titre"), txtEXIFTitle);
    lxp->addRow(QStringLiteral("Auteur"), txtEXIFAuthor);
    lxp->addRow(QStringLiteral("Mots-Clés"), txtEXIFKeywords);
    lxp->addRow(QStringLiteral("Objet"), txtEXIFSubject);
    lxp->addRow(cadre(QStringLiteral("Commentaire"), xp, txtEXIFComments));
    lxp->addRow(QStringLiteral("Date du cliché : (Microsoft et Exif)"), txtEXIFDateOrigine);
    SSTab1->addTab(xp, QStringLiteral("Microsoft"));

    auto* listes = new QWidget;
    cbEXIFImage = nomme(new QComboBox(listes), "cbEXIFImage");
    cbEXIFImage->setEnabled(false);
    lstEXIFIFD = nomme(new QListWidget(listes), "lstEXIFIFD");
    lstEXIFIFD1 = nomme(new QListWidget(listes), "lstEXIFIFD1");
    auto* ll = new QVBoxLayout(listes);
    ll->addWidget(cbEXIFImage);
    ll->addWidget(cadre(QStringLiteral("Image Principale"), listes, lstEXIFIFD), 3);
    ll->addWidget(cadre(QStringLiteral("Miniature"), listes, lstEXIFIFD1), 1);
    SSTab1->addTab(listes, QStringLiteral("Exif"));

    auto* edition = new QWidget;
    cbEXIFIFD = nomme(new QComboBox(edition), "cbEXIFIFD");
    cbEXIFTags = nomme(new QComboBox(edition), "cbEXIFTags");
    txtEXIFValue = ligne(edition, "txtEXIFValue");
    cmdValid = nomme(new QPushButton(QStringLiteral("Valider"), edition), "cmdValid");
    auto* utiles = new QGroupBox(QStringLiteral("Utiles :"), edition);
    txtEXIFImageDescription = ligne(utiles, "txtEXIFImageDescription");
    txtEXIFDateTime = ligne(utiles, "txtEXIFDateTime");
    txtEXIFCopyright = ligne(utiles, "txtEXIFCopyright");
    txtEXIFArtist = ligne(utiles, "txtEXIFArtist");
    auto* lu = new QFormLayout(utiles);
    lu->addRow(QStringLiteral("Description de l'image :"), txtEXIFImageDescription);
    lu->addRow(QStringLiteral("Date et heure de dernière modification :"), txtEXIFDateTime);
    lu->addRow(QStringLiteral("Copyright :"), txtEXIFCopyright);
    lu->addRow(QStringLiteral("Artiste :"), txtEXIFArtist);
    auto* le = new QFormLayout(edition);
    le->addRow(QStringLiteral("Choix de l'IFD :"), cbEXIFIFD);
    le->addRow(QStringLiteral("Choix du Tag :"), cbEXIFTags);
    le->addRow(QStringLiteral("Valeur :"), txtEXIFValue);
    le->addRow(cmdValid);
    le->addRow(utiles);
    SSTab1->addTab(edition, QStringLiteral("Exif modifiable"));

    lstEXIFMakerNote = nomme(new QListWidget, "lstEXIFMakerNote");
    SSTab1->addTab(lstEXIFMakerNote, QStringLiteral("Fabricant"));

    lvIPTC = nomme(new QTreeWidget, "lvIPTC");
    lvIPTC->setColumnCount(2);
    lvIPTC->setHeaderLabels({QStringLiteral("Nom"), QStringLiteral("Valeur")});
    lvIPTC->setRootIsDecorated(false);
    SSTab1->addTab(lvIPTC, QStringLiteral("IPTC"));

    auto* iptc = new QWidget;
    txtIPTCCopyright = ligne(iptc, "txtIPTCCopyright");
    txtIPTCCaption = ligne(iptc, "txtIPTCCaption");
    txtIPTCCaptionWriter = ligne(iptc, "txtIPTCCaptionWriter");
    txtIPTCCategories = ligne(iptc, "txtIPTCCategories");
    cbIPTCUrgence = nomme(new QComboBox(iptc), "cbIPTCUrgence");
    cbIPTCUrgence->addItems({QStringLiteral("1 : Haute"), QStringLiteral("2"), QStringLiteral("3"),
                             QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6 : Normale"),
                             QStringLiteral("7"), QStringLiteral("8 : Basse")});
    cbIPTCUrgence->setCurrentIndex(-1);
    txtIPTCByLine = ligne(iptc, "txtIPTCByLine");
    txtIPTCByLineTitle = ligne(iptc, "txtIPTCByLineTitle");
    txtIPTCCredits = ligne(iptc, "txtIPTCCredits");
    txtIPTCSource = ligne(iptc, "txtIPTCSource");
    txtIPTCName = ligne(iptc, "txtIPTCName");
    txtIPTCDay = ligne(iptc, "txtIPTCDay");
    txtIPTCMonth = ligne(iptc, "txtIPTCMonth");
    txtIPTCYear = ligne(iptc, "txtIPTCYear");
    txtIPTCCity = ligne(iptc, "txtIPTCCity");
    txtIPTCProvince = ligne(iptc, "txtIPTCProvince");
    txtIPTCCountry = ligne(iptc, "txtIPTCCountry");
    txtIPTCKeywords = texte(iptc, "txtIPTCKeywords");
    auto* date = new QHBoxLayout;
    date->addWidget(txtIPTCDay);
    date->addWidget(txtIPTCMonth);
    date->addWidget(txtIPTCYear);
    auto* lp = new QFormLayout(iptc);
    lp->addRow(QStringLiteral("Copyright :"), txtIPTCCopyright);
    lp->addRow(QStringLiteral("Sous-Titre :"), txtIPTCCaption);
    lp->addRow(QStringLiteral("Sous-titre écrit :"), txtIPTCCaptionWriter);
    lp->addRow(QStringLiteral("Categories :"), txtIPTCCategories);
    lp->addRow(QStringLiteral("Priorité :"), cbIPTCUrgence);
    lp->addRow(QStringLiteral("Auteur :"), txtIPTCByLine);
    lp->addRow(QStringLiteral("Titre de l'auteur :"), txtIPTCByLineTitle);
    lp->addRow(QStringLiteral("Credits :"), txtIPTCCredits);
    lp->addRow(QStringLiteral("Source :"), txtIPTCSource);
    lp->addRow(QStringLiteral("Nom d'objet :"), txtIPTCName);
    lp->addRow(QStringLiteral("JJ/MM/YYYY :"), date);
    lp->addRow(QStringLiteral("Ville :"), txtIPTCCity);
    lp->addRow(QStringLiteral("Province :"), txtIPTCProvince);
    lp->addRow(QStringLiteral("Pays :"), txtIPTCCountry);
    lp->addRow(QStringLiteral("Mots-Clés :"), txtIPTCKeywords);
    SSTab1->addTab(iptc, QStringLiteral("IPTC modifiable"));

    LabelWindows = nomme(new QLabel, "LabelWindows");
    LabelWindows->setWordWrap(true);
    SSTab1->addTab(LabelWindows, QStringLiteral("Résumé"));

    // Outside the tabs.
    LabelAuto = nomme(new QLabel(f), "LabelAuto");
    LabelAuto->setWordWrap(true);
    Quitter3 = nomme(new QPushButton(QStringLiteral("Quitter"), f), "Quitter3");
    Modification = nomme(new QPushButton(QStringLiteral("Modifications possibles"), f), "Modification");
    Sauver = nomme(new QPushButton(QStringLiteral("Save"), f), "Sauver");
    Equilibre1 = nomme(new QPushButton(QStringLiteral("Equilibre"), f), "Equilibre1");
    Modification->hide();
    Sauver->hide();
    Equilibre1->hide();

    auto* principal = new QVBoxLayout(f);
    principal->addWidget(FrameInit);
    principal->addWidget(SSTab1, 1);
    principal->addWidget(LabelAuto);
    auto* bas = new QHBoxLayout;
    bas->addWidget(Quitter3);
    bas->addWidget(Modification);
    bas->addWidget(Sauver);
    bas->addWidget(Equilibre1);
    bas->addStretch(1);
    principal->addLayout(bas);
}
