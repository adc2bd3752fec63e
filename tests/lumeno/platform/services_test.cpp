#include "BoiteEnregistreuse.h"
#include "Hasard.h"
#include "Horloge.h"
#include "LanceurEnregistreur.h"
#include "Twips.h"

#include <gtest/gtest.h>

TEST(Boite, RecorderCapturesAndAnswersAsScripted) {
    BoiteEnregistreuse::Portee boite;
    boite->reponses = {Boite::Reponse::Annuler};
    EXPECT_EQ(Boite::information("Information", "Le lecteur est absent.", Boite::Boutons::OkAnnuler),
              Boite::Reponse::Annuler);
    EXPECT_EQ(Boite::critique("Erreur", "b"), Boite::Reponse::Ok);
    ASSERT_EQ(boite->messages.size(), 2);
    EXPECT_EQ(boite->messages[0].icone, Boite::Icone::Information);
    EXPECT_EQ(boite->messages[0].titre, "Information");
    EXPECT_EQ(boite->messages[1].icone, Boite::Icone::Critique);
}

TEST(Lanceur, DoubleRecordsWithoutStarting) {
    LanceurEnregistreur::Portee lanceur;
    EXPECT_TRUE(Lanceur::courant().demarrer("/x/LumenoMaj", {}, "/x"));
    lanceur->reussite = false;
    EXPECT_FALSE(Lanceur::courant().ouvrir("https://exemple.fr"));
    ASSERT_EQ(lanceur->demarrages.size(), 1);
    EXPECT_EQ(lanceur->demarrages[0].dossierTravail, "/x");
    EXPECT_EQ(lanceur->ouvertures, QStringList{"https://exemple.fr"});
}

TEST(Horloge, CanBeFixedAndRestored) {
    Horloge::fixer([] { return QDateTime(QDate(2026, 12, 11), QTime(10, 0)); });
    EXPECT_EQ(Horloge::anneeCourante(), 2026);
    EXPECT_EQ(Horloge::anneeMaxiPhotos(), 2027);
    Horloge::fixer({});
    EXPECT_GE(Horloge::anneeCourante(), 2026);
}

// The system year is kept between reads, yet a fixed clock takes effect at once and the system
// year comes back as soon as the clock is restored.
TEST(Horloge, CachedSystemYearNeverHidesAFixedClock) {
    Horloge::fixer({});
    const int systeme = QDate::currentDate().year();
    EXPECT_EQ(Horloge::anneeCourante(), systeme);
    EXPECT_EQ(Horloge::anneeCourante(), systeme); // from the cache
    for (const int annee : {1999, 2041}) {
        Horloge::fixer([annee] { return QDateTime(QDate(annee, 1, 1), QTime(0, 0)); });
        EXPECT_EQ(Horloge::anneeCourante(), annee);
        EXPECT_EQ(Horloge::anneeMaxiPhotos(), annee + 1);
    }
    Horloge::fixer({});
    EXPECT_EQ(Horloge::anneeMaxiPhotos(), systeme + 1);
}

TEST(Hasard, FixedSourceDrivesTheDrawsAndStaysInRange) {
    Hasard::fixer([] { return 0.5; });
    EXPECT_EQ(Hasard::entier(11), 5);
    Hasard::fixer([] { return 1.0; }); // a faulty source never yields n
    EXPECT_EQ(Hasard::entier(11), 10);
    Hasard::fixer({});
    for (int i = 0; i < 100; ++i) {
        const int v = Hasard::entier(3);
        EXPECT_GE(v, 0);
        EXPECT_LT(v, 3);
    }
}

TEST(Twips, FifteenToThePixelAt96Dpi) {
    EXPECT_EQ(Twips::versPixels(1500), 100);
    EXPECT_EQ(Twips::depuisPixels(100), 1500);
    EXPECT_EQ(Twips::versPixels(1440, 144), 144);
}
