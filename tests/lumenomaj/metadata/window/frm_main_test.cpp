#include "BoiteMaj.h"
#include "frmMain.h"

#include "DossierTest.h"

#include <IptcJpeg.h>
#include <PhotoMetadonnees.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

QString photoTest(const QString& nom) {
    return QStringLiteral(LUMENO_TESTDATA_DIR) + QStringLiteral("/jpeg/") + nom;
}

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Fenetre {
    DossierTest dossier;
    BoiteMajEnregistreuse::Portee boite;
    QStringList journal;
    int termine = 0;
    std::unique_ptr<frmMain> f;

    Fenetre() {
        f = std::make_unique<frmMain>(
            frmMain::Sorties{[this](const QString& l) { journal.append(l); }, [this] { ++termine; }});
    }
    QString copier(const QString& nomTest, const QString& nom) {
        const QString cible = dossier.chemin(nom);
        QFile::copy(photoTest(nomTest), cible);
        QFile::setPermissions(cible, QFile::permissions(cible) | QFileDevice::WriteOwner);
        return cible;
    }
    void ouvrir(ModeFenetre mode, const QString& nomFichier = {}) {
        f->DebutExif1({mode, dossier.chemin() + "/", nomFichier, {}});
        f->show();
    }
    template <typename T> T* w(const char* nom) {
        T* controle = f->findChild<T*>(QLatin1String(nom));
        EXPECT_NE(controle, nullptr) << nom;
        return controle;
    }
    QString texte(const char* nom) { return w<QLineEdit>(nom)->text(); }
    void cliquer(const char* nom) { QTest::mouseClick(w<QPushButton>(nom), Qt::LeftButton); }
    QStringList lignes(const char* nom) {
        QStringList l;
        auto* liste = w<QListWidget>(nom);
        for (int i = 0; i < liste->count(); ++i)
            l.append(liste->item(i)->text());
        return l;
    }
};

} // namespace

TEST(LumenomajFenetreMetadonnees, ReadModeShowsEveryPartOfACameraPhoto) {
    Fenetre t;
    t.copier("canon-powershot-s330-mm.jpg", "2004-06-Vacances-Mer.jpg");
    t.ouvrir(ModeFenetre::LecturePhoto, "2004-06-Vacances-Mer.jpg");
    EXPECT_TRUE(t.w<QWidget>("FrameInit")->isHidden());
    EXPECT_TRUE(t.w<QTabWidget>("SSTab1")->isVisible());
    EXPECT_TRUE(t.w<QPushButton>("Modification")->isVisible());
    EXPECT_TRUE(t.w<QPushButton>("Sauver")->isHidden());
    EXPECT_EQ(t.w<QPushButton>("Quitter3")->toolTip(), "Fin des propriétés");
    auto* image = t.w<QComboBox>("cbEXIFImage");
    EXPECT_FALSE(image->isEnabled());
    EXPECT_EQ(image->count(), 2);
    EXPECT_EQ(image->currentText(), "Image 0");
    EXPECT_EQ(t.texte("txtEXIFDateOrigine"), "2002:11:16 15:27:01");
    EXPECT_EQ(t.texte("txtEXIFDateTime"), "2002:11:18 22:46:09");
    EXPECT_TRUE(t.lignes("lstEXIFIFD").contains("Make : Canon"));
    EXPECT_FALSE(t.lignes("lstEXIFIFD1").isEmpty());
    EXPECT_FALSE(t.lignes("lstEXIFMakerNote").isEmpty());
    EXPECT_EQ(t.w<QComboBox>("cbEXIFIFD")->count(), 2);
    const QString dossier = QDir::toNativeSeparators(t.dossier.chemin() + "/");
    EXPECT_EQ(t.w<QLabel>("LabelWindows")->text(),
              "Dossier : \r\n" + dossier + "\r\n\r\n\r\nPhoto : \r\n2004-06-Vacances-Mer");
    EXPECT_EQ(t.w<QLabel>("LabelAuto")->text(), dossier + "\r\n2004-06-Vacances-Mer");
}

TEST(LumenomajFenetreMetadonnees, AnIptcOnlyPhotoShowsItsKeywordsAndNoExif) {
    Fenetre t;
    t.copier("iptc-only-no-app1.jpg", "Scan.jpg");
    t.ouvrir(ModeFenetre::LecturePhoto, "Scan.jpg");
    EXPECT_EQ(t.w<QComboBox>("cbEXIFImage")->count(), 0);
    EXPECT_TRUE(t.lignes("lstEXIFIFD").isEmpty());
    EXPECT_TRUE(t.texte("txtEXIFTitle").isEmpty());
    EXPECT_EQ(t.w<QPlainTextEdit>("txtIPTCKeywords")->toPlainText(), "ExifTool\nTest\nIPTC\n");
    auto* lv = t.w<QTreeWidget>("lvIPTC");
    EXPECT_EQ(lv->headerItem()->text(0), "Nom");
    EXPECT_EQ(lv->headerItem()->text(1), "Valeur");
    int motsCles = 0;
    for (int i = 0; i < lv->topLevelItemCount(); ++i)
        motsCles += QStringList{"ExifTool", "Test", "IPTC"}.contains(lv->topLevelItem(i)->text(1));
    EXPECT_EQ(motsCles, 3);
}

TEST(LumenomajFenetreMetadonnees, FillFromTheNameThenSave) {
    Fenetre t;
    const QString chemin = t.copier("casio-exz3-qvc-mm.jpg", "2004-06-Vacances-Mer.jpg");
    t.ouvrir(ModeFenetre::LecturePhoto, "2004-06-Vacances-Mer.jpg");
    t.cliquer("Modification");
    EXPECT_TRUE(t.w<QPushButton>("Modification")->isHidden());
    EXPECT_TRUE(t.w<QPushButton>("Sauver")->isVisible());
    EXPECT_TRUE(t.w<QPushButton>("Equilibre1")->isVisible());
    EXPECT_TRUE(t.w<QGroupBox>("FrameChoix")->isVisible());
    t.w<QLineEdit>("ChoixAuteur")->setText("Marie");
    t.cliquer("Equilibre1");
    EXPECT_TRUE(t.w<QPushButton>("Equilibre1")->isHidden());
    EXPECT_EQ(t.texte("txtEXIFTitle"), "2004-06-Vacances-Mer");
    EXPECT_EQ(t.texte("txtEXIFKeywords"), "Vacances Mer ");
    EXPECT_EQ(t.texte("txtEXIFAuthor"), "Marie");
    EXPECT_EQ(t.texte("txtIPTCYear") + t.texte("txtIPTCMonth") + t.texte("txtIPTCDay"), "20040601");
    EXPECT_EQ(t.w<QPlainTextEdit>("txtIPTCKeywords")->toPlainText(), "Vacances\nMer\n");
    t.w<QLineEdit>("txtIPTCCity")->setText("Nice");
    t.w<QComboBox>("cbIPTCUrgence")->setCurrentIndex(0);
    t.cliquer("Sauver");
    EXPECT_TRUE(t.boite->messages.isEmpty());
    EXPECT_TRUE(t.w<QPushButton>("Modification")->isVisible());

    const PhotoMetadonnees p = ChargementPhoto::charger(chemin);
    EXPECT_EQ(p.champs.xpTitre, "2004-06-Vacances-Mer");
    EXPECT_EQ(p.champs.xpAuteur, "Marie");
    EXPECT_EQ(p.champs.dateOrigine, "2004:06:01 00:00:00");
    EXPECT_EQ(p.iptc.textes(25), (QStringList{"Vacances", "Mer"}));
    EXPECT_EQ(p.iptc.textes(90), QStringList{"Nice"});
    EXPECT_EQ(p.iptc.textes(10), QStringList{"1"});
    EXPECT_EQ(t.texte("txtIPTCCity"), "Nice");
}

TEST(LumenomajFenetreMetadonnees, AnUnreadablePhotoCannotBeSaved) {
    Fenetre t;
    const QString chemin = t.dossier.fichier("Casse.jpg", "pas une photo");
    t.ouvrir(ModeFenetre::LecturePhoto, "Casse.jpg");
    EXPECT_FALSE(t.w<QPushButton>("Modification")->isEnabled());
    EXPECT_FALSE(t.w<QPushButton>("cmdValid")->isEnabled());
    EXPECT_EQ(t.journal.size(), 1);
    EXPECT_EQ(lire(chemin), "pas une photo");
}

TEST(LumenomajFenetreMetadonnees, ASaveErrorIsReportedAndTheFileKept) {
    Fenetre t;
    const QString chemin = t.copier("casio-exz3-qvc-mm.jpg", "2004-06-Mer-Bleue.jpg");
    t.ouvrir(ModeFenetre::LecturePhoto, "2004-06-Mer-Bleue.jpg");
    // The photo changes on disk after it was read: writing over it would mix two files.
    const QByteArray autre = lire(photoTest("canon-powershot-s330-mm.jpg"));
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(autre);
    f.close();
    t.cliquer("Modification");
    t.cliquer("Equilibre1");
    t.cliquer("Sauver");
    ASSERT_EQ(t.boite->messages.size(), 1);
    EXPECT_EQ(t.boite->messages[0].titre, "Erreur");
    EXPECT_EQ(t.boite->messages[0].icone, BoiteMaj::Icone::Critique);
    EXPECT_EQ(lire(chemin), autre);
}

TEST(LumenomajFenetreMetadonnees, ExifEditingChangesTheRecordNotTheFile) {
    Fenetre t;
    const QString chemin = t.copier("canon-powershot-s330-mm.jpg", "Photo.jpg");
    const QByteArray avant = lire(chemin);
    t.ouvrir(ModeFenetre::LecturePhoto, "Photo.jpg");
    auto* ifd = t.w<QComboBox>("cbEXIFIFD");
    ifd->setCurrentIndex(0);
    emit ifd->activated(0);
    auto* tags = t.w<QComboBox>("cbEXIFTags");
    const int make = tags->findText("Make");
    ASSERT_GE(make, 0);
    tags->setCurrentIndex(make);
    emit tags->activated(make);
    EXPECT_EQ(t.texte("txtEXIFValue"), "Canon");
    t.w<QLineEdit>("txtEXIFValue")->setText("Autre");
    t.w<QLineEdit>("txtEXIFArtist")->setText("Marie");
    t.w<QLineEdit>("txtIPTCCity")->setText("Tapé");
    t.cliquer("cmdValid");
    EXPECT_TRUE(t.lignes("lstEXIFIFD").contains("Make : Autre"));
    EXPECT_TRUE(t.lignes("lstEXIFIFD").contains("Artist : Marie"));
    EXPECT_EQ(t.texte("txtEXIFArtist"), "Marie");
    EXPECT_EQ(t.texte("txtIPTCCity"), "Tapé");
    EXPECT_EQ(lire(chemin), avant);
}

TEST(LumenomajFenetreMetadonnees, TheFillerRunsFromTheFolderFrame) {
    Fenetre t;
    t.copier("casio-exz3-qvc-mm.jpg", "2004-06-Vacances-Mer.JPG");
    t.dossier.fichier("notes.txt", "rien");
    t.ouvrir(ModeFenetre::EcrireDossier);
    EXPECT_TRUE(t.w<QWidget>("FrameInit")->isVisible());
    EXPECT_TRUE(t.w<QGroupBox>("FrameChoix")->isVisible());
    EXPECT_TRUE(t.w<QTabWidget>("SSTab1")->isHidden());
    EXPECT_FALSE(t.w<QListWidget>("IptcFile1")->isEnabled());
    EXPECT_EQ(t.lignes("IptcFile1"), QStringList{"2004-06-Vacances-Mer.JPG"});
    t.f->definirPasLot(0);
    t.cliquer("ChoixDossier");
    EXPECT_TRUE(t.w<QWidget>("FrameInit")->isHidden());
    EXPECT_TRUE(t.w<QTabWidget>("SSTab1")->isVisible());
    EXPECT_EQ(t.w<QLabel>("LabelAuto")->text(), "Début du traitement du dossier");
    while (t.f->lot()->enCours())
        t.f->lot()->tic();
    EXPECT_EQ(t.texte("txtEXIFTitle"), "2004-06-Vacances-Mer");
    ASSERT_EQ(t.boite->messages.size(), 1);
    EXPECT_EQ(t.boite->messages[0].titre, "Fin du traitement du dossier");
    EXPECT_EQ(t.boite->messages[0].texte, " Fin du traitement du dossier à la Photo N° 1");
    EXPECT_EQ(t.termine, 1);
}

TEST(LumenomajFenetreMetadonnees, TheRenamerCanBeStoppedBetweenPhotos) {
    Fenetre t;
    t.copier("casio-exz3-qvc-mm.jpg", "A.jpg");
    t.copier("canon-powershot-s330-mm.jpg", "B.jpg");
    t.ouvrir(ModeFenetre::DateExif);
    EXPECT_TRUE(t.w<QGroupBox>("FrameChoix")->isHidden());
    EXPECT_TRUE(t.w<QPlainTextEdit>("Aide")->toPlainText().startsWith("Toutes les photos numériques seront"));
    EXPECT_EQ(t.w<QPushButton>("Quitter3")->toolTip(), "ATTENTION : arrête d'un processus automatique !");
    t.cliquer("ChoixDossier");
    t.f->lot()->tic(); // reads A.jpg
    t.cliquer("Quitter3");
    EXPECT_TRUE(t.w<QPushButton>("Quitter3")->isHidden());
    while (t.f->lot()->enCours())
        t.f->lot()->tic();
    EXPECT_EQ(t.termine, 1);
    EXPECT_TRUE(t.boite->messages.isEmpty());
    EXPECT_EQ(QDir(t.dossier.chemin()).entryList(QDir::Files, QDir::Name),
              (QStringList{"2003-06-18-165437-A.jpg", "B.jpg"}));
}
