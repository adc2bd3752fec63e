#include "BoiteEnregistreuse.h"
#include "DemandeMiseAJour.h"
#include "DossierTest.h"
#include "LanceurEnregistreur.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(absent)");
}

} // namespace

TEST(LumenoHandoffMiseAJour, TheMarkerNamesTheSourceOnItsOneLine) {
    struct Cas {
        QString source;
        QByteArray attendu;
    };
    const Cas cas[] = {
        {"/media/cdrom/x-Lumeno/Lumeno/Derniere_Version",
         "/media/cdrom/x-Lumeno/Lumeno/Derniere_Version\r\n"},
        {DemandeMiseAJour::kSourceWeb, "Mise \xE0 jour via Web\r\n"},
        {DemandeMiseAJour::kSourceVeille, "Installation Veille Ecran\r\n"},
    };
    for (const Cas& c : cas) {
        DossierTest dossier;
        BoiteEnregistreuse::Portee boite;
        ASSERT_TRUE(DemandeMiseAJour::demander(dossier.chemin(), c.source, dossier.chemin("systeme")));
        EXPECT_EQ(contenu(dossier.chemin("LumenoLog1.tmp")), c.attendu);
        EXPECT_TRUE(boite->messages.isEmpty());
    }
}

TEST(LumenoHandoffMiseAJour, FilesTheUpdateReplacesAreMadeWritable) {
    DossierTest dossier;
    const QString catalogue = dossier.fichier("Lumeno1.mdb", "x");
    const QString veille = dossier.fichier("systeme/Lumeno.scr", "x");
    const QString autre = dossier.fichier("Lumeno3.txt", "x");
    for (const QString& f : {catalogue, veille, autre})
        QFile::setPermissions(f, QFileDevice::ReadOwner);
    ASSERT_TRUE(DemandeMiseAJour::demander(dossier.chemin(), DemandeMiseAJour::kSourceWeb,
                                           dossier.chemin("systeme")));
    EXPECT_TRUE(QFile::permissions(catalogue) & QFileDevice::WriteOwner);
    EXPECT_TRUE(QFile::permissions(veille) & QFileDevice::WriteOwner);
    EXPECT_FALSE(QFile::permissions(autre) & QFileDevice::WriteOwner); // not one of the update's files
}

TEST(LumenoHandoffMiseAJour, AMarkerThatCannotBeWrittenStopsTheUpdate) {
    DossierTest dossier;
    BoiteEnregistreuse::Portee boite;
    dossier.dossier("LumenoLog1.tmp");
    EXPECT_FALSE(
        DemandeMiseAJour::demander(dossier.chemin(), DemandeMiseAJour::kSourceWeb, dossier.chemin("s")));
    ASSERT_EQ(boite->messages.size(), 1);
    EXPECT_EQ(boite->messages[0].titre, "Erreur");
    EXPECT_TRUE(boite->messages[0].texte.contains("LumenoLog1.tmp"));
}

TEST(LumenoHandoffMiseAJour, StartingLumenoMajSaysWhenItFails) {
    DossierTest dossier;
    BoiteEnregistreuse::Portee boite;
    LanceurEnregistreur::Portee lanceur;
    EXPECT_TRUE(DemandeMiseAJour::lancer(dossier.chemin()));
    EXPECT_EQ(lanceur->demarrages.value(0).programme, dossier.chemin("LumenoMaj"));
    EXPECT_EQ(lanceur->demarrages.value(0).dossierTravail, dossier.chemin());
    EXPECT_TRUE(boite->messages.isEmpty());
    lanceur->reussite = false;
    EXPECT_FALSE(DemandeMiseAJour::lancer(dossier.chemin()));
    ASSERT_EQ(boite->messages.size(), 1);
    EXPECT_EQ(boite->messages[0].titre, "Lumeno");
    EXPECT_EQ(boite->messages[0].texte, "Le logiciel de reboot (LumenoMaj.exe) n'est pas opérationnel.");
}
