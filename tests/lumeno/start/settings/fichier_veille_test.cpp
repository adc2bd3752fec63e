#include "DossierTest.h"
#include "FichierType.h"
#include "FichierVeille.h"
#include "ImpressionQString.h"
#include "TexteFichier.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// Sets an environment variable for the scope of a test.
class Environnement {
public:
    Environnement(const char* nom, const QByteArray& valeur)
        : nom_(nom), avant_(qgetenv(nom)), etait_(qEnvironmentVariableIsSet(nom)) {
        if (valeur.isNull())
            qunsetenv(nom);
        else
            qputenv(nom, valeur);
    }
    ~Environnement() {
        if (etait_)
            qputenv(nom_, avant_);
        else
            qunsetenv(nom_);
    }

private:
    const char* nom_;
    QByteArray avant_;
    bool etait_;
};

} // namespace

TEST(SettingsVeille, ConfigurationFolderFollowsXdg) {
    {
        Environnement xdg("XDG_CONFIG_HOME", "/tmp/config-essai");
        EXPECT_EQ(dossierConfiguration(), "/tmp/config-essai/lumeno");
        EXPECT_EQ(cheminFichierVeille(), "/tmp/config-essai/lumeno/Lumeno3.txt");
    }
    Environnement xdg("XDG_CONFIG_HOME", QByteArray());
    EXPECT_EQ(dossierConfiguration(), QDir::homePath() + "/.config/lumeno");
}

TEST(SettingsVeille, WritesTheTwentyTwoLinesAndReadsThemBack) {
    DossierTest dossier;
    const QString config = dossier.chemin("config/lumeno"); // created by the writer
    FichierVeille v;
    v.cheminProgramme = "/opt/lumeno";
    v.aleatoire = "5";
    v.mot = "Montagnes";
    v.tempo = "12";
    v.internet = true;
    v.motInternet = "neige";
    v.annee = "2004";
    ASSERT_TRUE(ecrireFichierVeille(v, config));

    const LectureVeille l = lireFichierVeille(config);
    ASSERT_TRUE(l.present);
    ASSERT_EQ(l.lignes.size(), 22);
    EXPECT_TRUE(l.complet());
    EXPECT_EQ(l.ligne(1), "----Config");
    EXPECT_EQ(l.ligne(2), "de l'écran de veille du micro.");
    EXPECT_EQ(l.ligne(5), " ");
    EXPECT_EQ(l.ligne(14), "-");
    EXPECT_EQ(l.ligne(15), "<---- Ligne Numéro 15 du fichier (vérifier cela en cas de problème).");
    EXPECT_EQ(l.ligne(16), "/opt/lumeno");
    EXPECT_EQ(l.ligne(17), "5" + QString(15, ' ') + "<-- Ecran de Veille : Aléatoire ou nombre ");
    EXPECT_EQ(l.ligne(18),
              "Montagnes" + QString(14, ' ') + "<-- Ecran de Veille : Mot possible pour recherche ");
    EXPECT_EQ(l.ligne(19),
              "12" + QString(13, ' ') + "<-- Ecran de Veille : temps entre photos en  secondes ");
    EXPECT_EQ(l.ligne(20), "1");
    EXPECT_EQ(l.ligne(21), "neige");
    EXPECT_EQ(l.ligne(22), QStringLiteral("2004") + QString(19, ' ') + "Année possible");
    EXPECT_EQ(l.ligne(23), "");

    // The dialog reads fixed widths back: a 9-letter word comes back as its first 8 letters.
    const FichierVeille relu = saisieVeille(l);
    EXPECT_EQ(relu.cheminProgramme, "/opt/lumeno");
    EXPECT_EQ(relu.aleatoire, "5" + QString(11, ' '));
    EXPECT_EQ(relu.mot, "Montagne");
    EXPECT_EQ(relu.tempo, "12 ");
    EXPECT_TRUE(relu.internet);
    EXPECT_EQ(relu.motInternet, "neige");
    EXPECT_EQ(relu.annee, "2004    ");
}

TEST(SettingsVeille, RandomModeUnlessAPositiveCount) {
    const struct {
        const char* saisie;
        const char* debut;
    } cas[] = {{"Aléatoire", "Aléatoire"}, {"abc", "Aléatoire"}, {"0", "Aléatoire"},
               {"-2", "Aléatoire"},        {"", "Aléatoire"},    {"5", "5"},
               {"12 photos", "12 photos"}};
    for (const auto& c : cas) {
        FichierVeille v;
        v.aleatoire = QString::fromUtf8(c.saisie);
        const QString ligne = lignesFichierVeille(v)[16];
        EXPECT_TRUE(ligne.startsWith(QString::fromUtf8(c.debut) + "     ")) << c.saisie;
    }
}

TEST(SettingsVeille, ACopyOfTheSettingsFileServesAndShortFilesKeepDefaults) {
    DossierTest dossier;
    QStringList reglages = fichierReglagesType("/a", "/b", "/c");
    ASSERT_TRUE(TexteFichier::ecrire(dossier.chemin("Lumeno3.txt"), reglages));
    LectureVeille l = lireFichierVeille(dossier.chemin());
    FichierVeille v = saisieVeille(l);
    EXPECT_EQ(v.cheminProgramme, "/opt/lumeno");
    EXPECT_TRUE(v.aleatoire.startsWith("Aléatoire"));
    EXPECT_EQ(v.tempo, "8  ");
    EXPECT_FALSE(v.internet); // line 20 is "[Fenetre]"

    // The 19-line model: lines 20 to 22 are missing.
    ASSERT_TRUE(TexteFichier::ecrire(dossier.chemin("Lumeno3.txt"), reglages.mid(0, 19)));
    l = lireFichierVeille(dossier.chemin());
    EXPECT_TRUE(l.present);
    EXPECT_FALSE(l.complet());
    v = saisieVeille(l);
    EXPECT_EQ(v.cheminProgramme, "/opt/lumeno");
    EXPECT_FALSE(v.internet);
    EXPECT_TRUE(v.annee.isEmpty());

    // No file.
    DossierTest vide;
    l = lireFichierVeille(vide.chemin());
    EXPECT_FALSE(l.present);
    v = saisieVeille(l);
    EXPECT_EQ(v.aleatoire, "Aléatoire");
    EXPECT_EQ(v.tempo, "20");
}

TEST(SettingsVeille, FailedWriteIsReported) {
    DossierTest dossier;
    dossier.fichier("occupe", "x"); // a file where the folder should be
    QString erreur;
    EXPECT_FALSE(ecrireFichierVeille(FichierVeille{}, dossier.chemin("occupe/lumeno"), &erreur));
    EXPECT_FALSE(erreur.isEmpty());
}
