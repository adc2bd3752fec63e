#include "DossierTest.h"
#include "ExecutionTravail.h"
#include "JournalMaj.h"
#include "LanceurMaj.h"
#include "LignesTexte.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

struct LanceurNote : LanceurMaj {
    bool demarrer(const QString& programme, const QString& dossierTravail) override {
        demarrages << programme + " @ " + dossierTravail;
        return reussite;
    }
    QStringList demarrages;
    bool reussite = true;
};

struct Banc {
    DossierTest dossier;
    LanceurNote lanceur;
    JournalMaj journal{dossier.chemin()};
    ContexteMaj contexte{dossier.chemin(), lanceur, journal};

    ExecutionTravail::Suite lancer(const TravauxMaj& travaux = {}) {
        return ExecutionTravail::executer(Aiguillage::choisir(dossier.chemin()), travaux, contexte);
    }
    QStringList journalLu() { return LignesTexte::lire(journal.chemin()).lignes; }
    QString lumeno() { return dossier.chemin() + "/Lumeno @ " + dossier.chemin(); }
    bool commandePresente() { return QFile::exists(dossier.chemin("LumenoMaj.ini")); }
};

using ExecutionTravail::Suite;

} // namespace

TEST(LumenomajHandoffExecution, NothingToDoStartsLumenoFromTheProgramFolder) {
    Banc banc;
    EXPECT_EQ(banc.lancer(), Suite::Terminer);
    EXPECT_EQ(banc.lanceur.demarrages, QStringList{banc.lumeno()});
    EXPECT_FALSE(QFile::exists(banc.journal.chemin())); // a plain start leaves no trace
}

TEST(LumenomajHandoffExecution, JobsHandTheirParametersToTheirEntryPoints) {
    Banc banc;
    banc.dossier.fichier("LumenoMaj.ini", "Exif\r\nDateExif\r\n/photos/\r\nIMG_1.JPG\r\nAAAAMMJJ\r\n");
    CommandeExif recue;
    TravauxMaj travaux;
    travaux.metadonnees = [&](const CommandeExif& c) { recue = c; };
    EXPECT_EQ(banc.lancer(travaux), Suite::Attendre);
    EXPECT_EQ(recue.mode, ModeExif::DateExif);
    EXPECT_EQ(recue.cheminPhoto, "/photos/IMG_1.JPG");
    EXPECT_TRUE(recue.formatCompact && recue.formatJour);
    EXPECT_TRUE(banc.lanceur.demarrages.isEmpty());
    EXPECT_TRUE(banc.commandePresente()); // an Exif command stays and is overwritten by the next one

    QString dossierPhp = "pas appelé";
    travaux.listePhp = [&](const QString& d) { dossierPhp = d; };
    banc.dossier.fichier("LumenoMaj.ini", "MajPHP-/srv/photos\r\n");
    EXPECT_EQ(banc.lancer(travaux), Suite::Attendre);
    EXPECT_EQ(dossierPhp, "/srv/photos");
    EXPECT_FALSE(banc.commandePresente()); // read once

    int phases = 0;
    travaux.phase1 = [&] { phases += 1; };
    travaux.phase2 = [&] { phases += 10; };
    banc.dossier.fichier("LumenoLog1.tmp", "/source\r\n");
    banc.dossier.fichier("LumenoMaj.ini", "Regedit\r\n");
    EXPECT_EQ(banc.lancer(travaux), Suite::Attendre);
    banc.dossier.fichier("LumenoLog3.tmp", "/source\r\n");
    EXPECT_EQ(banc.lancer(travaux), Suite::Attendre);
    EXPECT_EQ(phases, 11);
}

TEST(LumenomajHandoffExecution, JobsMissingFromThisVersionSaySoAndReturnToLumeno) {
    struct Cas {
        const char* nom;
        const char* marqueur;
        QByteArray commande;
        const char* journal;
    };
    const Cas cas[] = {
        {"Exif", nullptr, "Exif\r\nLecturePhoto\r\n/p/\r\na.jpg\r\nAAAA-MM\r\n",
         "La fenêtre des métadonnées"},
        {"MajPHP", nullptr, "MajPHP-/srv\r\n", "L'utilitaire de modification du fichier PHP MyBase"},
        {"Regedit", nullptr, "Regedit\r\n", "La fenêtre de mise à jour"},
        {"phase 1", "LumenoLog1.tmp", "Exif\r\n", "La phase 1 de la mise à jour"},
        {"phase 2", "LumenoLog3.tmp", {}, "La phase 2 de la mise à jour"},
    };
    for (const Cas& c : cas) {
        Banc banc;
        if (c.marqueur)
            banc.dossier.fichier(c.marqueur, "x\r\n");
        if (!c.commande.isEmpty())
            banc.dossier.fichier("LumenoMaj.ini", c.commande);
        EXPECT_EQ(banc.lancer(), Suite::Terminer) << c.nom;
        EXPECT_EQ(banc.lanceur.demarrages, QStringList{banc.lumeno()}) << c.nom;
        const QStringList lignes = banc.journalLu();
        ASSERT_FALSE(lignes.isEmpty()) << c.nom;
        EXPECT_TRUE(lignes.last().startsWith(QString::fromUtf8(c.journal))) << c.nom;
        EXPECT_TRUE(lignes.last().endsWith(
            "n'est pas disponible dans cette version de LumenoMaj : retour à Lumeno."));
        EXPECT_EQ(banc.commandePresente(), QByteArray(c.nom) != "MajPHP" && !c.commande.isEmpty()) << c.nom;
    }
}

TEST(LumenomajHandoffExecution, RefusedCommandsAndFailedStartsAreLogged) {
    Banc banc;
    banc.dossier.fichier("LumenoMaj.ini", "Exif\r\nLecturePhoto\r\n/p/\r\nimage.png\r\nAAAA-MM\r\n");
    EXPECT_EQ(banc.lancer(), Suite::Terminer);
    // Lumeno is still running after an Exif command: nothing to start again.
    EXPECT_TRUE(banc.lanceur.demarrages.isEmpty());
    EXPECT_TRUE(banc.journalLu().last().contains("image.png n'est pas une photo JPEG"));

    banc.dossier.fichier("LumenoMaj.ini", "");
    banc.lanceur.reussite = false;
    EXPECT_EQ(banc.lancer(), Suite::Terminer);
    EXPECT_EQ(banc.journalLu().last(),
              "Le lancement de Lumeno a échoué : " + banc.dossier.chemin() + "/Lumeno");
}
