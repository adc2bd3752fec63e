#include "DossierTest.h"
#include "JournalMaj.h"
#include "LignesTexte.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(LumenomajHandoffJournal, PhaseOneLogIsCarriedIntoPhaseTwo) {
    DossierTest dossier;
    dossier.fichier("Lumeno.Log", "ancien journal\r\n");
    JournalMaj journal(dossier.chemin());
    journal.commencerPhase1("V1");
    journal.ecrire("La source est : /media/cd");
    ASSERT_TRUE(journal.terminerPhase1());
    const QString copie = "Copie de " + dossier.chemin() + "/Lumeno.Log vers " + dossier.chemin() +
                          "/Lumeno1.Log et lancement de Lumeno en phase intermédiaire.";
    const QStringList phase1 = {
        "---------------------------------------------",
        "Pour information uniquement, vous trouverez ci dessous les",
        "messages techniques de la dernière mise à jour.",
        "NB : En l'absence de message d'erreur, tout c'est bien passé.",
        "------",
        "Début de la mise à jour grâce au logiciel de Mise à jour : V1",
        "La source est : /media/cd",
        copie,
    };
    EXPECT_EQ(LignesTexte::lire(journal.chemin()).lignes, phase1);
    EXPECT_EQ(LignesTexte::lire(journal.cheminPhase1()).lignes, phase1);

    dossier.fichier("Lumeno.Log", "écrasé par la phase 2\r\n");
    journal.commencerPhase2();
    journal.ecrire("Copie de a vers b");
    journal.terminerPhase2("V2");
    ASSERT_TRUE(journal.effacerJournalPhase1());
    EXPECT_FALSE(QFile::exists(journal.cheminPhase1()));
    const QStringList phase2 = {"Copie de a vers b", "Lancement de Lumeno",
                                "Fin de la mise à jour grâce au logiciel de Mise à jour : V2",
                                "---------------------------------------------", " "};
    EXPECT_EQ(LignesTexte::lire(journal.chemin()).lignes, phase1 + phase2);
    // The log is Windows-1252 with CR LF.
    QFile f(journal.chemin());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("derni\xE8re mise \xE0 jour.\r\n"));
}
