#include "BoiteMaj.h"
#include "ListePhp.h"
#include "MajPHP.h"

#include "DossierTest.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QByteArray kListe = "1,photo1.jpg,2004,Vacances,x\r\n"
                          "2,photo2.jpg,2004,Noel\r\n"
                          "3,photo3.jpg,2004,Vacances 2\r\n"
                          "Vacances,Vacances\r\n"
                          "4,photo4.jpg,2005,vacances,y\r\n"
                          "5,photo5.jpg,2005,Vacances"; // last line without line end

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The window over a folder holding the list, with the recorder and the hand-back counted.
struct FenetrePhp {
    DossierTest dossier;
    BoiteMajEnregistreuse::Portee boite;
    int lumenoLance = 0;
    int termine = 0;
    std::unique_ptr<MajPHP> fenetre;

    explicit FenetrePhp(const QByteArray& liste) {
        if (!liste.isNull())
            dossier.fichier("Lumeno-Php-MyBase.txt", liste);
        ouvrir();
    }
    void ouvrir() {
        fenetre = std::make_unique<MajPHP>(MajPHP::Sorties{[this] { ++lumenoLance; }, [this] { ++termine; }});
        fenetre->Depart(dossier.chemin());
    }
    void supprimer(const QString& nom) {
        fenetre->findChild<QLineEdit*>("Dossier_Supprimer")->setText(nom);
        QTest::mouseClick(fenetre->findChild<QPushButton*>("Valider_Nom_Dossier"), Qt::LeftButton);
    }
    QString liste() const { return dossier.chemin("Lumeno-Php-MyBase.txt"); }
    QString sauvegarde() const { return dossier.chemin("Lumeno-Php-MyBase-Old.txt"); }
};

} // namespace

TEST(LumenomajPhpListe, FourthField) {
    const struct {
        const char* ligne;
        bool present;
        const char* champ;
    } cas[] = {
        {"1,a,b,Dossier,c", true, "Dossier"},
        {"1,a,b,Dossier", true, "Dossier"},
        {"1,a,b,", true, ""},
        {"1,a,b", false, ""},
        {"", false, ""},
        {",,,", true, ""},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.ligne);
        QString champ = "x";
        EXPECT_EQ(ListePhp::quatriemeChamp(c.ligne, &champ), c.present);
        EXPECT_EQ(champ, c.champ);
    }
}

TEST(LumenomajPhpListe, RemovesExactlyTheFolderLinesKeepingTheOthersByteForByte) {
    FenetrePhp t(kListe);
    EXPECT_EQ(lire(t.sauvegarde()), kListe);
    EXPECT_TRUE(t.fenetre->findChild<QLabel*>("Label2")->text().contains(
        "Modification du fichier Lumeno-Php-MyBase.txt"));

    t.supprimer("  Vacances  ");
    EXPECT_EQ(lire(t.liste()), QByteArray("2,photo2.jpg,2004,Noel\r\n"
                                          "3,photo3.jpg,2004,Vacances 2\r\n"
                                          "Vacances,Vacances\r\n"
                                          "4,photo4.jpg,2005,vacances,y\r\n"));
    EXPECT_EQ(lire(t.sauvegarde()), kListe);
    ASSERT_EQ(t.boite->messages.size(), 1);
    EXPECT_EQ(t.boite->messages[0].titre, "Information");
    EXPECT_TRUE(t.boite->messages[0].texte.startsWith(
        "2 lignes contenant le nom de dossier Vacances ont été supprimées"));
    EXPECT_EQ(t.lumenoLance, 1);
    EXPECT_TRUE(t.fenetre->isHidden());
}

TEST(LumenomajPhpListe, TwoRemovalsInARowTheBackupHoldsTheListBeforeTheSecond) {
    FenetrePhp t(kListe);
    t.supprimer("Vacances");
    const QByteArray apresPremiere = lire(t.liste());
    t.ouvrir();
    t.supprimer("Noel");
    EXPECT_EQ(lire(t.sauvegarde()), apresPremiere);
    EXPECT_FALSE(lire(t.liste()).contains("Noel"));
    EXPECT_TRUE(lire(t.liste()).contains("Vacances 2"));
    EXPECT_EQ(t.lumenoLance, 2);
}

TEST(LumenomajPhpListe, AMissingListIsToldAndNothingIsWritten) {
    FenetrePhp t(QByteArray{});
    EXPECT_TRUE(t.fenetre->findChild<QLabel*>("Label2")->text().contains("n'existe pas dans le dossier"));
    t.supprimer("Vacances");
    ASSERT_EQ(t.boite->messages.size(), 1);
    EXPECT_EQ(t.boite->messages[0].titre, "Petit Problème");
    EXPECT_EQ(t.termine, 1);
    EXPECT_EQ(t.lumenoLance, 0);
    EXPECT_FALSE(QFile::exists(t.liste()));
    EXPECT_FALSE(QFile::exists(t.sauvegarde()));
}

TEST(LumenomajPhpListe, AReadErrorLeavesTheListAsItWasAndIsShown) {
    FenetrePhp t(kListe);
    QFile::remove(t.sauvegarde()); // the backup vanished after the window opened
    t.supprimer("Vacances");
    EXPECT_EQ(lire(t.liste()), kListe);
    ASSERT_EQ(t.boite->messages.size(), 1);
    EXPECT_EQ(t.boite->messages[0].titre, "Erreur");
    EXPECT_TRUE(t.boite->messages[0].texte.contains("Aucune ligne n'a été supprimée"));
    EXPECT_EQ(t.lumenoLance, 1);
}

TEST(LumenomajPhpListe, AnEmptyNameRemovesNothingAndClosingHandsBackToLumeno) {
    FenetrePhp t(kListe);
    t.supprimer("   ");
    EXPECT_EQ(lire(t.liste()), kListe);
    EXPECT_EQ(t.boite->messages.size(), 1);
    EXPECT_FALSE(t.fenetre->isHidden());
    t.fenetre->close();
    EXPECT_EQ(t.lumenoLance, 1);
}

TEST(LumenomajPhpListe, AUtf8ListKeepsItsMarkWhenItsFirstLineGoes) {
    DossierTest d;
    const QByteArray liste = "\xEF\xBB\xBF"
                             "1,a,b,Été\r\n2,a,b,Hiver\r\n";
    d.fichier("Lumeno-Php-MyBase-Old.txt", liste);
    d.fichier("Lumeno-Php-MyBase.txt", liste);
    const ListePhp::Resultat r = ListePhp::supprimerDossier(d.chemin(), "Été");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.supprimees, 1);
    EXPECT_EQ(lire(d.chemin("Lumeno-Php-MyBase.txt")), QByteArray("\xEF\xBB\xBF"
                                                                  "2,a,b,Hiver\r\n"));
}
