#include "MiseAJourAuto.h"

#include "Horloge.h"

#include <gtest/gtest.h>

using MiseAJourAuto::Suite;

TEST(configscreen_MiseAJourAuto, DaysAreBoundedToTwoAndNinety) {
    const struct {
        const char* tape;
        int jours;
        const char* texte;
    } cas[] = {{"200", 90, "90"},
               {"91", 90, "90"},
               {"90", 90, "90"},
               {"30", 30, "30"},
               {" 45 jours", 45, " 45 jours"},
               {"2", 2, "2"},
               {"1", 2, "2"},
               {"0", 2, "2"},
               {"abc", 2, "2"},
               {"", 2, "2"},
               {"-5", 2, "2"}};
    for (const auto& c : cas) {
        MiseAJourAuto::Donnees d;
        d.configAutoJour = QString::fromUtf8(c.tape);
        d.aujourdhui = QDate(2024, 5, 1);
        const auto decision = MiseAJourAuto::evaluer(d);
        EXPECT_EQ(decision.jours, c.jours) << c.tape;
        EXPECT_EQ(decision.configAutoJour, QString::fromUtf8(c.texte)) << c.tape;
    }
}

TEST(configscreen_MiseAJourAuto, DueOnlyMoreThanNDaysAfterTheLastScan) {
    const QDate dernier(2024, 6, 30);
    const struct {
        QDate aujourdhui;
        const char* jours;
        bool veille;
        Suite suite;
    } cas[] = {
        {QDate(2024, 7, 1), "30", false, Suite::Contextes},
        {QDate(2024, 7, 30), "30", false, Suite::Contextes}, // exactly 30 days
        {QDate(2024, 7, 31), "30", false, Suite::Question},
        // The screen saver scans 5 days earlier when N is above 8, and never asks.
        {QDate(2024, 7, 25), "30", true, Suite::Contextes},
        {QDate(2024, 7, 26), "30", true, Suite::ScanSansQuestion},
        {QDate(2024, 7, 9), "9", true, Suite::ScanSansQuestion},
        {QDate(2024, 7, 4), "9", true, Suite::Contextes},
        {QDate(2024, 7, 8), "8", true, Suite::Contextes},
        {QDate(2024, 7, 9), "8", true, Suite::ScanSansQuestion},
        // The bounds apply before the comparison.
        {QDate(2024, 7, 3), "0", false, Suite::Question},
        {QDate(2024, 9, 28), "200", false, Suite::Contextes},
        {QDate(2024, 9, 29), "200", false, Suite::Question},
    };
    for (const auto& c : cas) {
        MiseAJourAuto::Donnees d;
        d.derniereMiseAJour = dernier;
        d.configAutoJour = QString::fromUtf8(c.jours);
        d.modeVeille = c.veille;
        d.aujourdhui = c.aujourdhui;
        EXPECT_EQ(MiseAJourAuto::evaluer(d).suite, c.suite)
            << c.aujourdhui.toString(Qt::ISODate).toStdString() << " N=" << c.jours << " veille=" << c.veille;
    }
}

TEST(configscreen_MiseAJourAuto, NoCheckWithACommandLineFileAfterAScanOrWithoutDate) {
    MiseAJourAuto::Donnees d;
    d.derniereMiseAJour = QDate(2020, 1, 1);
    d.aujourdhui = QDate(2024, 1, 1);
    d.configAutoJour = QStringLiteral("30");
    EXPECT_EQ(MiseAJourAuto::evaluer(d).suite, Suite::Question);

    auto avecFichier = d;
    avecFichier.fichierLigneCommande = true;
    EXPECT_EQ(MiseAJourAuto::evaluer(avecFichier).suite, Suite::Contextes);

    // The start-up that follows a scan does not ask again, even when the settings could not be
    // rewritten with the new date.
    auto apresScan = d;
    apresScan.relanceApresScan = true;
    EXPECT_EQ(MiseAJourAuto::evaluer(apresScan).suite, Suite::Contextes);

    auto sansDate = d;
    sansDate.derniereMiseAJour.reset(); // none read: today
    EXPECT_EQ(MiseAJourAuto::evaluer(sansDate).suite, Suite::Contextes);
}

TEST(configscreen_MiseAJourAuto, Question) {
    EXPECT_EQ(MiseAJourAuto::texteQuestion(30),
              QStringLiteral(
                  "La dernière mise à jour de la Base de Données remonte à plus de 30 jours. Voulez vous "
                  "une mise à jour automatique ? "));
}

TEST(configscreen_MiseAJourAuto, TodayComesFromTheProgramClock) {
    MiseAJourAuto::Donnees d;
    d.derniereMiseAJour = QDate(2024, 6, 30);
    d.configAutoJour = QStringLiteral("30");
    Horloge::fixer([] { return QDateTime(QDate(2024, 7, 1), QTime(9, 0)); });
    EXPECT_EQ(MiseAJourAuto::evaluer(d).suite, Suite::Contextes);
    Horloge::fixer([] { return QDateTime(QDate(2024, 7, 31), QTime(9, 0)); });
    EXPECT_EQ(MiseAJourAuto::evaluer(d).suite, Suite::Question);
    Horloge::fixer({});
}
