#include "BoiteEnregistreuse.h"
#include "DossierTest.h"
#include "EditeurContextes.h"
#include "FichierContextes.h"
#include "TexteFichier.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

#include <gtest/gtest.h>

namespace {

// Gives the test the window's own close handler, to hand it the window system's close.
class EditeurEssai : public EditeurContextes {
public:
    using EditeurContextes::EditeurContextes;
    void fermetureSysteme() {
        QCloseEvent fermeture;
        QSpontaneKeyEvent::setSpontaneous(&fermeture);
        closeEvent(&fermeture);
    }
};

struct Banc {
    Banc() : editeur(grille) {
        FichierContextes::ContexteCreation(dossier.chemin());
        FichierContextes::ChargemenContexte(grille, dossier.chemin(), 2005, 1998);
        editeur.parametrer(dossier.chemin(), 2005, 1998);
        EditeurContextes::Crochets c;
        c.montrerFenetrePrincipale = [this] { ++fenetreMontree; };
        c.contextesRecharges = [this](const QStringList& n) { noms = n; };
        c.quitterProgramme = [this] { quitte = true; };
        editeur.installerCrochets(c);
        editeur.ouvrir();
        table = editeur.findChild<QTableWidget*>("MSFlexGrid1");
    }
    void aller(int ligne, int colonne) { table->setCurrentCell(ligne - 1, colonne); }
    void taper(Qt::Key touche) { QTest::keyClick(table, touche); }
    QString cellule(int ligne, int colonne) { return table->item(ligne - 1, colonne)->text(); }

    DossierTest dossier;
    GrilleContextes grille;
    EditeurEssai editeur;
    QTableWidget* table = nullptr;
    int fenetreMontree = 0;
    QStringList noms;
    bool quitte = false;
};

} // namespace

TEST(ContextsEditeur, WindowLayoutAndCaptions) {
    Banc b;
    EXPECT_EQ(b.editeur.objectName(), "Form2");
    EXPECT_EQ(b.editeur.windowTitle(), "Lumeno");
    ASSERT_NE(b.table, nullptr);
    EXPECT_EQ(b.editeur.findChild<QPushButton*>("ContexteQuitter")->text(), "Enregistrer ");
    EXPECT_EQ(b.editeur.findChild<QPushButton*>("ContexteQuitter2")->text(), "Quitter sans Enregistrer");
    EXPECT_EQ(b.editeur.findChild<QLabel*>("Minuscules")->text(), "Minuscules");
    EXPECT_TRUE(b.editeur.findChild<QLabel*>("Info01")->text().startsWith(
        " Il est possible de définir des contextes"));
    EXPECT_EQ(b.table->horizontalHeaderItem(1)->text(), "Dossier");
    EXPECT_EQ(b.table->horizontalHeaderItem(4)->text(), "A. fin");
    EXPECT_EQ(b.cellule(2, 0), " 2");
    EXPECT_EQ(b.cellule(1, 2), "Initial");
}

TEST(ContextsEditeur, KeysTypeIntoTheCurrentCell) {
    Banc b;
    b.aller(5, 6);
    for (Qt::Key k : {Qt::Key_B, Qt::Key_A, Qt::Key_L})
        b.taper(k);
    EXPECT_EQ(b.cellule(5, 6), "bal");
    b.taper(Qt::Key_Shift);
    EXPECT_EQ(b.editeur.findChild<QLabel*>("Minuscules")->text(), "Majuscules");
    for (Qt::Key k : {Qt::Key_B, Qt::Key_A, Qt::Key_L, Qt::Key_2})
        b.taper(k);
    EXPECT_EQ(b.grille.texte(5, 6), "balBAL2"); // the grid itself holds the edit
    b.taper(Qt::Key_Backspace);
    EXPECT_EQ(b.cellule(5, 6), "balBAL");
    b.taper(Qt::Key_Space);
    EXPECT_EQ(b.cellule(5, 6), "");
    b.taper(Qt::Key_Backspace); // nothing to remove
    EXPECT_EQ(b.cellule(5, 6), "");
    b.taper(Qt::Key_Comma); // no other character can be typed
    EXPECT_EQ(b.cellule(5, 6), "");

    // The first header cell cannot be edited: typing goes to the name beside it.
    b.aller(1, 1);
    b.taper(Qt::Key_X);
    EXPECT_EQ(b.cellule(1, 1), "CONTEXTE");
    EXPECT_EQ(b.cellule(1, 2), "InitialX");
}

TEST(ContextsEditeur, SaveWritesReloadsAndCloses) {
    Banc b;
    b.aller(3, 2); // the "Autre" header's name
    b.taper(Qt::Key_Space);
    for (Qt::Key k : {Qt::Key_M, Qt::Key_E, Qt::Key_R})
        b.taper(k);
    QTest::mouseClick(b.editeur.findChild<QPushButton*>("ContexteQuitter"), Qt::LeftButton);
    EXPECT_TRUE(b.editeur.isHidden());
    EXPECT_FALSE(b.quitte);
    EXPECT_EQ(b.fenetreMontree, 1);
    EXPECT_EQ(b.noms, QStringList({"(Aucun)", "Initial", "mer"}));
    const QStringList lignes = TexteFichier::lire(FichierContextes::chemin(b.dossier.chemin())).lignes;
    ASSERT_EQ(lignes.size(), 200);
    EXPECT_EQ(lignes[2], "CONTEXTE,mer,,,,");
    EXPECT_EQ(TexteFichier::lire(FichierContextes::cheminSauvegarde(b.dossier.chemin())).lignes, lignes);
}

TEST(ContextsEditeur, FailedSaveSaysSoAndStaysOpen) {
    Banc b;
    BoiteEnregistreuse::Portee boites;
    b.dossier.fichier("Lumeno2-save.txt/occupe", "x");
    const QStringList avant = TexteFichier::lire(FichierContextes::chemin(b.dossier.chemin())).lignes;
    b.aller(4, 1);
    b.taper(Qt::Key_Z);
    QTest::mouseClick(b.editeur.findChild<QPushButton*>("ContexteQuitter"), Qt::LeftButton);
    ASSERT_EQ(boites->messages.size(), 1);
    EXPECT_EQ(boites->messages[0].titre, "Erreur Contexte");
    EXPECT_TRUE(boites->messages[0].texte.contains("Lumeno2-save.txt"));
    EXPECT_FALSE(b.editeur.isHidden());
    EXPECT_TRUE(b.noms.isEmpty());
    EXPECT_EQ(TexteFichier::lire(FichierContextes::chemin(b.dossier.chemin())).lignes, avant);
}

TEST(ContextsEditeur, LeavingWithoutSavingKeepsTheEditsInTheGridAndTheSystemCloseQuits) {
    Banc b;
    b.aller(2, 6);
    b.taper(Qt::Key_Q);
    b.taper(Qt::Key_Escape);
    EXPECT_TRUE(b.editeur.isHidden());
    EXPECT_EQ(b.fenetreMontree, 1);
    EXPECT_EQ(b.grille.texte(2, 6), "q");
    EXPECT_FALSE(b.quitte);
    EXPECT_EQ(TexteFichier::lire(FichierContextes::chemin(b.dossier.chemin())).lignes[1], ",2003,,,,");

    b.editeur.ouvrir();
    EXPECT_EQ(b.editeur.findChild<QLabel*>("Minuscules")->text(), "Minuscules");
    // The program's quit sequence closes its windows from code: that does not quit again.
    b.editeur.close();
    EXPECT_FALSE(b.quitte);
    // The window system's close does.
    b.editeur.ouvrir();
    b.editeur.fermetureSysteme();
    EXPECT_TRUE(b.quitte);
}
