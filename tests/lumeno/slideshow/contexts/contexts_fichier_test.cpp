#include "BoiteEnregistreuse.h"
#include "ChargementContextes.h"
#include "DossierTest.h"
#include "FichierContextes.h"
#include "LignesContexte.h"
#include "TexteFichier.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QStringList lignesDe(const QString& chemin) {
    return TexteFichier::lire(chemin).lignes;
}

QByteArray octetsDe(const QString& chemin) {
    QFile f(chemin);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

TEST(ContextsFichier, MissingFileIsRecreatedWithTheDefaultAndTheProgramMustQuit) {
    DossierTest dossier;
    BoiteEnregistreuse::Portee boites;
    GrilleContextes grille;
    bool existe = true;
    const ChargementContextes r = chargerContextesDemarrage(grille, existe, dossier.chemin(), 2005, 1998);

    EXPECT_FALSE(existe);
    EXPECT_EQ(r.etat, ChargementContextes::Etat::Recree);
    ASSERT_EQ(boites->messages.size(), 1);
    EXPECT_EQ(boites->messages[0].icone, Boite::Icone::Critique);
    EXPECT_EQ(boites->messages[0].titre, "Erreur Contexte");
    EXPECT_EQ(boites->messages[0].texte, "Il manquait le fichier des contextes Lumeno2.txt mais cela est "
                                         "réparé. Merci de relancer Lumeno.");
    const QByteArray octets = octetsDe(FichierContextes::chemin(dossier.chemin()));
    EXPECT_TRUE(octets.startsWith("CONTEXTE,Initial,,,,\r\n,2003,,,,\r\nCONTEXTE,Autre,,,,\r\n,,,,,\r\n"));
    EXPECT_EQ(lignesDe(FichierContextes::chemin(dossier.chemin())).size(), 202);

    // The next start lists the two contexts.
    const ChargementContextes suivant =
        chargerContextesDemarrage(grille, existe, dossier.chemin(), 2005, 1998);
    EXPECT_TRUE(existe);
    EXPECT_EQ(suivant.etat, ChargementContextes::Etat::Charge);
    EXPECT_EQ(suivant.noms, QStringList({"(Aucun)", "Initial", "Autre"}));
    EXPECT_EQ(boites->messages.size(), 1);
}

TEST(ContextsFichier, RecreationThatFailsDoesNotClaimARepair) {
    DossierTest dossier;
    BoiteEnregistreuse::Portee boites;
    GrilleContextes grille;
    const QString absent = dossier.chemin("absent/encore");
    const ChargementContextes r = InitContexte(grille, false, absent, 2005, 1998);
    EXPECT_EQ(r.etat, ChargementContextes::Etat::Absent);
    ASSERT_EQ(boites->messages.size(), 1);
    EXPECT_FALSE(boites->messages[0].texte.contains("réparé"));
    EXPECT_TRUE(boites->messages[0].texte.contains("n'a pas pu être recréé"));
}

TEST(ContextsFichier, ReadingTakesSixFieldsAtATimeAndSendsLinesPast199ToRow201) {
    QStringList lignes{"CONTEXTE,Un,,,,", "Vacances,2001,3,2002,11,Plage",
                       // seven fields: the seventh starts the next row
                       "a,b,c,d,e,f,g", "h,i,j,k,l"};
    while (lignes.size() < 199)
        lignes << ",,,,,";
    lignes << "ligne200,,,,,"
           << "ligne201,,,,,"
           << "derniere,,,,,";
    ASSERT_EQ(lignes.size(), 202);

    GrilleContextes grille;
    FichierContextes::remplirGrille(grille, lignes, 2030, 1990);
    EXPECT_EQ(grille.texte(1, 2), "Un");
    EXPECT_EQ(grille.texte(2, 1), "Vacances");
    EXPECT_EQ(grille.texte(2, 6), "Plage");
    EXPECT_EQ(grille.texte(3, 6), "f");
    EXPECT_EQ(grille.texte(4, 1), "g");
    EXPECT_EQ(grille.texte(4, 6), "l");
    EXPECT_EQ(grille.texte(0, 1), "Dossier");
    EXPECT_EQ(grille.texte(0, 2), "Année début");
    EXPECT_EQ(grille.texte(0, 6), "Mot particulier");
    EXPECT_EQ(grille.texte(7, 0), " 7");
    // Row 200 is never filled from the file; every later line overwrites row 201.
    EXPECT_EQ(grille.texte(200, 1), "");
    EXPECT_EQ(grille.texte(201, 1), "derniere");
    EXPECT_EQ(grille.texte(201, 0), " 201");

    // A save writes rows 1 to 200: 200 lines, the last one empty.
    const QStringList ecrites = FichierContextes::lignesAEcrire(grille);
    ASSERT_EQ(ecrites.size(), 200);
    EXPECT_EQ(ecrites[1], "Vacances,2001,3,2002,11,Plage");
    EXPECT_EQ(ecrites[199], ",,,,,");
}

TEST(ContextsFichier, FirstCriteriaLineIsHeldWithinTheCatalogueYears) {
    struct Cas {
        QString ligne;
        QStringList attendu; // columns 1 to 6
    };
    const Cas cas[] = {
        {",2035,14,1990,0,", {"", "1998", "", "2005", "", ""}},
        {",2001,3,2004,12,x", {"", "2001", "3", "2004", "12", "x"}},
        {",1500,-1,1200,7,", {"", "1500", "", "1200", "7", ""}}, // years up to 1600 are left alone
        {"Noel,1997,12,2006,1,", {"Noel", "1998", "12", "2005", "1", ""}},
    };
    for (const Cas& c : cas) {
        GrilleContextes grille;
        FichierContextes::remplirGrille(grille, {"XXX,Nom,,,,", c.ligne}, 2005, 1998);
        EXPECT_EQ(grille.texte(1, 1), "CONTEXTE") << c.ligne.toStdString(); // always a header
        for (int col = 1; col <= 6; ++col)
            EXPECT_EQ(grille.texte(2, col), c.attendu[col - 1]) << c.ligne.toStdString() << " col " << col;
    }
}

TEST(ContextsFichier, SaveWritesTheFileAndItsBackup) {
    DossierTest dossier;
    ASSERT_TRUE(FichierContextes::ContexteCreation(dossier.chemin()));
    GrilleContextes grille;
    ASSERT_TRUE(FichierContextes::ChargemenContexte(grille, dossier.chemin(), 2005, 1998));
    grille.fixer(2, 6, "mer");

    const FichierContextes::ResultatEnregistrement r =
        FichierContextes::enregistrer(grille, dossier.chemin());
    ASSERT_TRUE(r.ok) << r.erreur.toStdString();
    const QString principal = FichierContextes::chemin(dossier.chemin());
    const QString sauvegarde = FichierContextes::cheminSauvegarde(dossier.chemin());
    EXPECT_EQ(lignesDe(principal).size(), 200);
    EXPECT_EQ(lignesDe(principal)[1], ",2003,,,,mer");
    EXPECT_EQ(octetsDe(principal), octetsDe(sauvegarde));
    // No temporary file is left beside them.
    EXPECT_EQ(QDir(dossier.chemin()).entryList(QDir::Files).size(), 2);
}

TEST(ContextsFichier, FailedSaveKeepsBothOldFiles) {
    DossierTest dossier;
    const QString principal = FichierContextes::chemin(dossier.chemin());
    const QString sauvegarde = FichierContextes::cheminSauvegarde(dossier.chemin());
    GrilleContextes grille;
    grille.fixer(1, 1, "CONTEXTE");
    grille.fixer(1, 2, "Neuf");

    // The backup cannot be replaced (a folder holds its name): the new main file is undone.
    dossier.fichier("Lumeno2.txt", "CONTEXTE,Ancien,,,,\r\n");
    dossier.fichier("Lumeno2-save.txt/occupe", "x");
    FichierContextes::ResultatEnregistrement r = FichierContextes::enregistrer(grille, dossier.chemin());
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.erreur.contains("Lumeno2-save.txt")) << r.erreur.toStdString();
    EXPECT_EQ(octetsDe(principal), QByteArray("CONTEXTE,Ancien,,,,\r\n"));

    // The main file cannot be replaced: nothing changes, not even the backup.
    QDir(sauvegarde).removeRecursively();
    dossier.fichier("Lumeno2-save.txt", "ancienne copie\r\n");
    QFile::remove(principal);
    dossier.fichier("Lumeno2.txt/occupe", "x");
    r = FichierContextes::enregistrer(grille, dossier.chemin());
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.erreur.contains("Lumeno2.txt")) << r.erreur.toStdString();
    EXPECT_EQ(octetsDe(sauvegarde), QByteArray("ancienne copie\r\n"));
}
