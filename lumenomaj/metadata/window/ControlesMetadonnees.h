#pragma once

#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeView;
class QTreeWidget;
class QWidget;
class QFileSystemModel;

// Every control of the metadata window, under the object names the program's code uses.
struct ControlesMetadonnees {
    // Folder and parameter frames of the batch jobs.
    QWidget* FrameInit;
    QGroupBox* FrameFichier;
    QComboBox* IptcDrive1;
    QTreeView* IptcDir1;
    QFileSystemModel* modeleDossiers;
    QListWidget* IptcFile1;
    QLabel* LabelErreur;
    QGroupBox* FrameChoix;
    QLineEdit* ChoixAuteur;
    QLineEdit* ChoixMotAjout;
    QRadioButton* OptionLumenoImpose;
    QRadioButton* OptionExifImpose;
    QCheckBox* CheckEffaceImpose;
    QCheckBox* CheckMicrosoftMajeur;
    QPlainTextEdit* Aide;
    QPushButton* ChoixDossier;
    QPushButton* Quitter;

    QTabWidget* SSTab1;
    // XP fields.
    QLineEdit* txtEXIFTitle;
    QLineEdit* txtEXIFAuthor;
    QLineEdit* txtEXIFKeywords;
    QLineEdit* txtEXIFSubject;
    QPlainTextEdit* txtEXIFComments;
    QLineEdit* txtEXIFDateOrigine;
    // EXIF lists.
    QComboBox* cbEXIFImage;
    QListWidget* lstEXIFIFD;
    QListWidget* lstEXIFIFD1;
    // EXIF editing.
    QComboBox* cbEXIFIFD;
    QComboBox* cbEXIFTags;
    QLineEdit* txtEXIFValue;
    QPushButton* cmdValid;
    QLineEdit* txtEXIFImageDescription;
    QLineEdit* txtEXIFDateTime;
    QLineEdit* txtEXIFCopyright;
    QLineEdit* txtEXIFArtist;
    // Maker note.
    QListWidget* lstEXIFMakerNote;
    // IPTC.
    QTreeWidget* lvIPTC;
    QLineEdit* txtIPTCCopyright;
    QLineEdit* txtIPTCCaption;
    QLineEdit* txtIPTCCaptionWriter;
    QLineEdit* txtIPTCCategories;
    QComboBox* cbIPTCUrgence;
    QLineEdit* txtIPTCByLine;
    QLineEdit* txtIPTCByLineTitle;
    QLineEdit* txtIPTCCredits;
    QLineEdit* txtIPTCSource;
    QLineEdit* txtIPTCName;
    QLineEdit* txtIPTCDay;
    QLineEdit* txtIPTCMonth;
    QLineEdit* txtIPTCYear;
    QLineEdit* txtIPTCCity;
    QLineEdit* txtIPTCProvince;
    QLineEdit* txtIPTCCountry;
    QPlainTextEdit* txtIPTCKeywords;
    // Summary.
    QLabel* LabelWindows;

    // Outside the tabs.
    QPushButton* Quitter3;
    QPushButton* Modification;
    QPushButton* Sauver;
    QPushButton* Equilibre1;
    QLabel* LabelAuto;

    // Builds the controls and their layout into the window.
    void construire(QWidget* fenetre);
};

// Window sizes are given in twips: 15 to a pixel at 96 dpi.
int pixels(int twips);
