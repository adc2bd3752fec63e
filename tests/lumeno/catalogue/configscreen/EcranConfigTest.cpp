#include "FenetreTest.h"

#include "ChoixRacine.h"
#include "DossierTest.h"
#include "ListeDossiers.h"
#include "ListeFichiers.h"
#include "ListeLecteurs.h"
#include "Twips.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

ReglagesLumeno reglagesEssai(const DossierTest& d) {
    ReglagesLumeno r = ReglagesLumeno::parDefaut();
    r.racines[0] = {d.chemin(QStringLiteral("photos")), true, true};
    r.racines[1] = {d.chemin(QStringLiteral("cd")), true, true};
    r.racines[2] = {d.chemin(QStringLiteral("carte-absente")), false, true};
    r.configCheck6 = false;
    r.configCheck7 = false;
    r.configCheck8 = true;
    r.configCheck11 = true;
    r.configCheck12 = true;
    r.configCheckTri = true;
    r.texteCheck16 = true;
    r.quickTimeCheck17 = true;
    r.vocaleCheck19 = true;
    r.personnagesCheck20 = true;
    r.couleurTexteHtml = QStringLiteral("Blanc");
    r.formatPhotos1 = QStringLiteral("xxMMAAxxxxxx");
    r.webAutreURL = QStringLiteral("https://exemple.org/photos");
    r.webMotPasse = QStringLiteral("secret");
    r.configAutoJour = QStringLiteral("45");
    r.hauteurFenetre = 7000; // not on the screen: kept as loaded
    r.hScroll1 = 7;
    return r;
}

const char* const kCoches[] = {"ConfigCheck6",  "ConfigCheck7",      "ConfigCheck8", "ConfigCheck11",
                               "ConfigCheck12", "ConfigCheckTri",    "TexteCheck16", "QuickTimeCheck17",
                               "VocaleCheck19", "PersonnagesCheck20"};

} // namespace

TEST(configscreen_EcranConfig, LoadsTheSettingsIntoItsControlsAndBack) {
    DossierTest d;
    d.fichier(QStringLiteral("photos/2004-06-00012-Plage.jpg"));
    d.dossier(QStringLiteral("photos/2005 Vacances"));
    d.dossier(QStringLiteral("cd"));
    FenetreTest f;
    const ReglagesLumeno r = reglagesEssai(d);
    f.ecran->chargerReglages(r);

    EXPECT_EQ(f.ecran->objectName(), QStringLiteral("Frame1"));
    EXPECT_EQ(f.ecran->title(),
              QStringLiteral("Choix des répertoires contenant des sous-répertoires de Photos"));
    for (const char* nom : kCoches) {
        const bool attendu = std::string(nom) != "ConfigCheck6" && std::string(nom) != "ConfigCheck7";
        EXPECT_EQ(f.dans<QCheckBox>(nom)->isChecked(), attendu) << nom;
    }
    EXPECT_EQ(f.dans<QLineEdit>("CouleurTexteHtml")->text(), QStringLiteral("Blanc"));
    EXPECT_EQ(f.dans<QLineEdit>("FormatPhotos1")->text(), QStringLiteral("xxMMAAxxxxxx"));
    EXPECT_EQ(f.dans<QLineEdit>("WebAutreURL")->text(), QStringLiteral("https://exemple.org/photos"));
    EXPECT_EQ(f.dans<QLineEdit>("WebMotPasse")->text(), QStringLiteral("secret"));
    EXPECT_EQ(f.dans<QLineEdit>("ConfigAutoJour")->text(), QStringLiteral("45"));

    // Roots: the folder, its files, the check box; a folder that is not there is kept.
    EXPECT_EQ(f.dans<ListeDossiers>("Dir1")->chemin(), d.chemin(QStringLiteral("photos")));
    EXPECT_EQ(f.dans<ListeFichiers>("File1")->count(), 1);
    EXPECT_EQ(f.dans<ListeFichiers>("File1")->item(0)->text(), QStringLiteral("2004-06-00012-Plage.jpg"));
    EXPECT_FALSE(f.dans<QCheckBox>("ConfigCheck1")->isEnabled()); // the first root is always taken
    EXPECT_TRUE(f.dans<QCheckBox>("ConfigCheck2")->isChecked());
    EXPECT_TRUE(f.dans<ListeFichiers>("File2")->isEnabled());
    EXPECT_FALSE(f.dans<QCheckBox>("ConfigCheck3")->isChecked());
    EXPECT_FALSE(f.dans<ListeFichiers>("File3")->isEnabled());
    EXPECT_FALSE(f.dans<ListeDossiers>("Dir3")->disponible());
    EXPECT_EQ(f.dans<ListeDossiers>("Dir3")->chemin(), d.chemin(QStringLiteral("carte-absente")));

    ReglagesLumeno relu = f.ecran->reglages();
    EXPECT_EQ(relu.racines[0].chemin, r.racines[0].chemin);
    EXPECT_EQ(relu.racines[2].chemin, r.racines[2].chemin);
    EXPECT_FALSE(relu.racines[2].disponible);
    relu.racines[2].disponible = true;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(relu.racines[i].chemin, r.racines[i].chemin) << i;
        EXPECT_EQ(relu.racines[i].cochee, r.racines[i].cochee) << i;
    }
    EXPECT_EQ(relu.configCheck8, r.configCheck8);
    EXPECT_EQ(relu.personnagesCheck20, r.personnagesCheck20);
    EXPECT_EQ(relu.couleurTexteHtml, r.couleurTexteHtml);
    EXPECT_EQ(relu.configAutoJour, r.configAutoJour);
    EXPECT_EQ(relu.hauteurFenetre, 7000);
    EXPECT_EQ(relu.hScroll1, 7);

    // Changes on the screen reach the values handed to the scan.
    f.dans<QCheckBox>("ConfigCheck8")->setChecked(false);
    f.dans<QLineEdit>("ConfigAutoJour")->setText(QStringLiteral("12"));
    EXPECT_FALSE(f.ecran->reglages().configCheck8);
    EXPECT_EQ(f.ecran->reglages().configAutoJour, QStringLiteral("12"));
}

TEST(configscreen_EcranConfig, OpenEnlargesTheWindowAndCancelRestoresEverything) {
    DossierTest d;
    d.dossier(QStringLiteral("photos/2004"));
    d.dossier(QStringLiteral("cd"));
    FenetreTest f;
    f.ecran->chargerReglages(reglagesEssai(d));
    const double dpi = f.dpi();
    f.fenetre.resize(Twips::versPixels(6000, dpi), Twips::versPixels(6000, dpi));
    f.fenetre.show();
    f.frame2->show();
    f.frame3->show();

    f.ecran->OuvreConfig_Click();
    EXPECT_TRUE(f.ecran->isVisible());
    EXPECT_EQ(f.ouvertures, 1);
    EXPECT_EQ(f.fenetre.height(), Twips::versPixels(8000, dpi));
    EXPECT_EQ(f.fenetre.width(), Twips::versPixels(13200, dpi));
    EXPECT_FALSE(f.frame2->isVisible());
    EXPECT_FALSE(f.frame3->isVisible());
    for (const char* nom : {"Marche", "OuvreRecherche", "Arriere", "Marche3", "Miniature", "ClavierBlanc",
                            "Quitter", "OuvreConfig", "HScroll1"}) {
        EXPECT_FALSE(f.controle(nom)->isVisible()) << nom;
    }
    EXPECT_FALSE(f.dans<QWidget>("ChoixStartConfig")->isVisible()); // no command-line file

    // The user changes things, then cancels.
    f.dans<QCheckBox>("ConfigCheck8")->setChecked(false);
    f.dans<QLineEdit>("CouleurTexteHtml")->setText(QStringLiteral("Rouge"));
    f.dans<ListeDossiers>("Dir1")->allerA(d.chemin(QStringLiteral("photos/2004")));
    QTest::mouseClick(f.dans<QPushButton>("AnnulConfig"), Qt::LeftButton);

    EXPECT_FALSE(f.ecran->isVisible());
    EXPECT_EQ(f.fenetre.height(), Twips::versPixels(6000, dpi));
    EXPECT_EQ(f.fenetre.width(), Twips::versPixels(6000, dpi));
    for (const char* nom :
         {"Quitter", "ClavierBlanc", "OuvreConfig", "OuvreRecherche", "Marche", "HScroll1", "Arriere"}) {
        EXPECT_TRUE(f.controle(nom)->isVisible()) << nom;
    }
    EXPECT_FALSE(f.controle("Miniature")->isVisible());
    EXPECT_FALSE(f.controle("Marche3")->isVisible());
    EXPECT_EQ(f.reprises, 1);
    EXPECT_TRUE(f.dans<QCheckBox>("ConfigCheck8")->isChecked());
    EXPECT_EQ(f.dans<QLineEdit>("CouleurTexteHtml")->text(), QStringLiteral("Blanc"));
    EXPECT_EQ(f.dans<ListeDossiers>("Dir1")->chemin(), d.chemin(QStringLiteral("photos")));
}

TEST(configscreen_EcranConfig, DoesNotOpenWithoutTheProgramFile) {
    FenetreTest f;
    f.fenetre.show();
    f.permise = false;
    f.ecran->OuvreConfig_Click();
    EXPECT_FALSE(f.ecran->isVisible());
    EXPECT_EQ(f.ouvertures, 0);
    EXPECT_TRUE(f.controle("Quitter")->isVisible());
}

TEST(configscreen_EcranConfig, StartFolderButtonTakesTheCommandLineFolder) {
    DossierTest d;
    d.dossier(QStringLiteral("photos"));
    d.dossier(QStringLiteral("cle/vacances"));
    FenetreTest f;
    f.ecran->chargerReglages(reglagesEssai(d));
    f.fenetre.show();

    f.dossierLigneCommande = d.chemin(QStringLiteral("photos"));
    f.ecran->OuvreConfig_Click();
    EXPECT_FALSE(f.dans<QWidget>("ChoixStartConfig")->isVisible()); // same folder as Dir1
    f.ecran->AnnulConfig_Click();

    f.dossierLigneCommande = d.chemin(QStringLiteral("cle/vacances"));
    f.ecran->OuvreConfig_Click();
    auto* bouton = f.dans<QPushButton>("ChoixStartConfig");
    ASSERT_TRUE(bouton->isVisible());
    QTest::mouseClick(bouton, Qt::LeftButton);
    EXPECT_FALSE(bouton->isVisible());
    EXPECT_EQ(f.dans<ListeDossiers>("Dir1")->chemin(), d.chemin(QStringLiteral("cle/vacances")));
    EXPECT_EQ(f.ecran->reglages().racines[0].chemin, d.chemin(QStringLiteral("cle/vacances")));
}

TEST(configscreen_EcranConfig, RootChoosersExplainThemselves) {
    DossierTest d;
    d.fichier(QStringLiteral("photos/a.jpg"));
    d.fichier(QStringLiteral("cd/Sous/b.jpg"));
    d.dossier(QStringLiteral("cle"));
    FenetreTest f;
    f.ecran->chargerReglages(reglagesEssai(d));
    f.fenetre.show();
    auto* message = f.dans<QLabel>("MessageConfig");

    // Ticking and unticking a root.
    auto* coche3 = f.dans<QCheckBox>("ConfigCheck3");
    coche3->click();
    EXPECT_TRUE(coche3->isChecked());
    EXPECT_TRUE(f.dans<ListeFichiers>("File3")->isEnabled());
    EXPECT_EQ(message->text(),
              QStringLiteral("Ceci permet de valider des photos d'un disque et sur un CD par exemple."));
    EXPECT_FALSE(message->font().bold());
    coche3->click();
    EXPECT_FALSE(f.dans<ListeFichiers>("File3")->isEnabled());
    EXPECT_EQ(message->text(),
              QStringLiteral("Ce répertoire ne sera plus utilisé dans la base de données des photos."));

    // Entering a folder lists its files; the message depends on the root.
    auto* dir2 = f.dans<ListeDossiers>("Dir2");
    QListWidgetItem* sous = nullptr;
    for (int i = 0; i < dir2->count(); ++i) {
        if (dir2->item(i)->text().trimmed() == QStringLiteral("Sous")) {
            sous = dir2->item(i);
        }
    }
    ASSERT_NE(sous, nullptr);
    emit dir2->itemActivated(sous);
    EXPECT_EQ(dir2->chemin(), d.chemin(QStringLiteral("cd/Sous")));
    EXPECT_EQ(f.dans<ListeFichiers>("File2")->count(), 1);
    EXPECT_EQ(message->text(), QStringLiteral("Photos JPG GIF ou BMP possibles pour ces choix :"));
    f.dans<ListeDossiers>("Dir3")->allerA(d.chemin(QStringLiteral("cle")));
    EXPECT_EQ(message->text(), QStringLiteral("Photos JPG possibles pour ces choix :"));

    // A click in a file list is for information only.
    auto* file1 = f.dans<ListeFichiers>("File1");
    emit file1->itemClicked(file1->item(0));
    EXPECT_EQ(message->text(),
              QStringLiteral("Ceci est pour information sur les photos disponibles. Il n'y a rien à "
                             "valider dans cette fenêtre."));

    // A volume that cannot be listed (a card reader without its card) leaves the list where it was.
    auto* drive2 = f.dans<ListeLecteurs>("Drive2");
    drive2->addItem(d.chemin(QStringLiteral("lecteur-vide")));
    emit drive2->lecteurChoisi(d.chemin(QStringLiteral("lecteur-vide")));
    EXPECT_EQ(dir2->chemin(), d.chemin(QStringLiteral("cd/Sous")));
    emit drive2->lecteurChoisi(d.chemin(QStringLiteral("cle")));
    EXPECT_EQ(dir2->chemin(), d.chemin(QStringLiteral("cle")));
}

TEST(configscreen_ListeLecteurs, ListsMountedVolumesWithoutPseudoFileSystems) {
    ListeLecteurs lecteurs;
    ASSERT_GT(lecteurs.count(), 0);
    for (int i = 0; i < lecteurs.count(); ++i) {
        const QString racine = lecteurs.itemText(i);
        EXPECT_FALSE(racine.startsWith(QStringLiteral("/proc")) || racine.startsWith(QStringLiteral("/sys")))
            << racine.toStdString();
    }
    EXPECT_TRUE(ListeLecteurs::estPseudoSysteme(QStringLiteral("/run/user/1000"), "tmpfs"));
    EXPECT_TRUE(ListeLecteurs::estPseudoSysteme(QStringLiteral("/mnt/x"), "proc"));
    EXPECT_FALSE(ListeLecteurs::estPseudoSysteme(QStringLiteral("/media/carte"), "vfat"));
    EXPECT_FALSE(ListeLecteurs::estPseudoSysteme(QStringLiteral("/run-photos"), "ext4"));
}
