#include "DemarrageVeille.h"

#include "BoiteEnregistreuse.h"
#include "DossierConfigTest.h"
#include "TexteFichier.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QStringList copieDeLignes(int nombre) {
    QStringList lignes;
    for (int i = 1; i <= nombre; ++i) {
        switch (i) {
        case 16:
            lignes << QStringLiteral("/opt/lumeno/");
            break;
        case 17:
            lignes << QStringLiteral("Aléatoire        <-- Ecran de Veille : Aléatoire ou nombre ");
            break;
        case 19:
            lignes << QStringLiteral("8           <-- Ecran de Veille : temps entre photos en  secondes ");
            break;
        default:
            lignes << QStringLiteral("-");
        }
    }
    return lignes;
}

} // namespace

TEST(screensaver_DemarrageVeille, MissingCopyTellsTheUserAndWakesUp) {
    DossierConfigTest config;
    BoiteEnregistreuse::Portee boites;
    const DemarrageVeille d = DemarrageVeille::demarrer();
    EXPECT_FALSE(d.veilleActive);
    EXPECT_TRUE(d.reveil);
    EXPECT_EQ(d.suite, DemarrageVeille::Suite::EtapeB);
    ASSERT_EQ(boites->messages.size(), 1);
    EXPECT_EQ(boites->messages[0].icone, Boite::Icone::Information);
    EXPECT_EQ(boites->messages[0].titre, QStringLiteral("Information"));
    EXPECT_TRUE(boites->messages[0].texte.startsWith(
        QStringLiteral("Il manque le fichier Lumeno3.txt pour le démarage")));
}

TEST(screensaver_DemarrageVeille, FullCopyRunsInFullScreen) {
    DossierConfigTest config;
    BoiteEnregistreuse::Portee boites;
    config.dossier().dossier(QStringLiteral("lumeno"));
    ASSERT_TRUE(TexteFichier::ecrire(config.copie(), copieDeLignes(22)));
    const DemarrageVeille d = DemarrageVeille::demarrer();
    EXPECT_TRUE(boites->messages.isEmpty());
    EXPECT_TRUE(d.veilleActive);
    EXPECT_FALSE(d.retourFenetre);
    EXPECT_EQ(d.suite, DemarrageVeille::Suite::EtapeB);
    EXPECT_EQ(d.lecture.parametres.dossierProgramme, QStringLiteral("/opt/lumeno"));
    EXPECT_TRUE(d.lecture.parametres.veilleAleatoire);
    EXPECT_EQ(d.lecture.parametres.intervalle, 8);
}

TEST(screensaver_DemarrageVeille, TwentyLineCopyGoesOnInWindowModeAtTwentySeconds) {
    DossierConfigTest config;
    BoiteEnregistreuse::Portee boites;
    config.dossier().dossier(QStringLiteral("lumeno"));
    ASSERT_TRUE(TexteFichier::ecrire(config.copie(), copieDeLignes(20)));
    const DemarrageVeille d = DemarrageVeille::demarrer();
    EXPECT_TRUE(boites->messages.isEmpty());
    EXPECT_TRUE(d.veilleActive);
    EXPECT_EQ(d.suite, DemarrageVeille::Suite::EtapeB);
    EXPECT_TRUE(d.retourFenetre);
    EXPECT_FALSE(d.lecture.parametres.veilleAleatoire);
    EXPECT_EQ(d.lecture.parametres.intervalleTimerMs(), 20030);
    EXPECT_EQ(d.lecture.parametres.dossierProgramme, QStringLiteral("/opt/lumeno"));
}

TEST(screensaver_DemarrageVeille, UnreadableCopyStopsStartUp) {
    const DemarrageVeille d = DemarrageVeille::depuisLecture(true, false, {});
    EXPECT_TRUE(d.veilleActive);
    EXPECT_TRUE(d.retourFenetre);
    EXPECT_EQ(d.suite, DemarrageVeille::Suite::Arret);
}
