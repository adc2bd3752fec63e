#include "Catalogue.h"
#include "CurseurCatalogue.h"
#include "Horloge.h"
#include "Scan.h"
#include "TexteFichier.h"

#include "BoiteEnregistreuse.h"
#include "DossierTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const QString Dix = QString(10, QLatin1Char(' '));

class RetourEnregistre : public RetourScan {
public:
    void message(const QString& t) override { messages << t; }
    void messageBas(const QString& t) override { messagesBas << t; }
    void messageConfig(const QString& t) override { messagesConfig << t; }
    void moment(Moment m) override { moments << m; }
    QStringList messages, messagesBas, messagesConfig;
    QList<Moment> moments;
};

struct Ligne {
    QString clef, nom, rep, type, rab, mots;
    int annee, mois, valide, tri;
};

class ScanTest : public ::testing::Test {
protected:
    void SetUp() override {
        Horloge::fixer([] { return QDateTime(QDate(2026, 12, 11), QTime(10, 0)); });
        programme = dossier.dossier("programme");
        racine = dossier.dossier("Photos");
        Catalogue::creer(programme + "/Lumeno2.mdb");
        reglages.racines[0] = {racine, true, true};
        reglages.configCheck6 = true;
        reglages.configCheck8 = true;
        reglages.texteCheck16 = true;
    }
    void TearDown() override { Horloge::fixer({}); }

    QString photo(const QString& relatif, const QByteArray& contenu = "x") {
        return dossier.fichier("Photos/" + relatif, contenu);
    }

    ResultatScan lancer(int signalRenommage = 0, int nombreRenommes = 0) {
        ParametresScan p;
        p.dossierProgramme = programme;
        p.reglages = reglages;
        p.signalRenommage = signalRenommage;
        p.nombreRenommes = nombreRenommes;
        Scan scan(p, retour);
        return scan.executer();
    }

    QList<Ligne> lignes() {
        Catalogue c(programme + "/Lumeno1.mdb");
        CurseurCatalogue curseur(c.base());
        curseur.ouvrirOrdreClef();
        QList<Ligne> l;
        ActPhoto a;
        for (; !curseur.eof(); curseur.suivant()) {
            EXPECT_TRUE(curseur.BddLit(a).ok());
            l.append({a.Clef, a.Nom, a.Rep, a.Type, a.Rab, a.Mots, a.Annee, a.Mois, a.Valide, a.Tri});
        }
        return l;
    }

    QStringList noms() {
        QStringList n;
        for (const Ligne& l : lignes())
            n << l.nom + "." + l.type;
        return n;
    }

    QStringList fichierTexte(const QString& nom) { return TexteFichier::lire(programme + "/" + nom).lignes; }

    DossierTest dossier;
    QString programme, racine;
    ReglagesLumeno reglages;
    RetourEnregistre retour;
    BoiteEnregistreuse::Portee boites;
};

} // namespace

TEST_F(ScanTest, RowsTablesListsAndSettingsOfASmallTree) {
    photo("Plage.jpg");
    photo("2004/Plage.jpg");
    photo("2004-06 Vacances/2004-06-10-Plage.jpg");
    photo("2004-06 Vacances/2004-06-2-Plage.jpg");
    photo("2004-06 Vacances/Nice.txt", "un commentaire");
    photo("2004-06 Vacances/Nice.JPG");
    photo("2004-06 Vacances/LisezMoi.txt");
    photo("2004-06 Vacances/ignore.jPG");
    photo("Musique/2003-05-Chanson.mp3");
    photo("Musique/Soiree.m3u");
    photo("Musique/Clip.MPEG");

    const ResultatScan r = lancer();
    ASSERT_EQ(r.fin, FinScan::Terminee) << r.erreur.toStdString();
    EXPECT_TRUE(boites->messages.isEmpty());

    const QList<Ligne> l = lignes();
    ASSERT_EQ(l.size(), 8);
    const QString v = " " + QString::number(racine.size());
    // Key order: dated rows by year and month, comments just before their photo, undated last.
    EXPECT_EQ(noms(), QStringList({"2003-05-Chanson.mp3", "Plage.jpg", "2004-06-2-Plage.jpg",
                                   "2004-06-10-Plage.jpg", "Nice.txt", "Nice.JPG", "Clip.m99", "Plage.jpg"}));
    for (int i = 0; i < l.size(); ++i) {
        EXPECT_EQ(l[i].tri, i + 1);
        EXPECT_EQ(l[i].rab, v);
    }
    EXPECT_EQ(l[0].clef, "2003-05Musique0000000000Chanson5");
    EXPECT_EQ(l[0].valide, 1);
    EXPECT_EQ(l[0].mots, "Musique-Chanson-");
    EXPECT_EQ(l[1].clef, "2004-002004Plage" + Dix + "5");
    EXPECT_EQ(l[1].rep, racine + "/2004");
    EXPECT_EQ(l[1].valide, 3);
    EXPECT_EQ(l[1].annee, 2004);
    EXPECT_EQ(l[1].mois, 0);
    EXPECT_EQ(l[2].clef, "2004-062004-06 Vacances0000000002-Plage5");
    EXPECT_EQ(l[3].clef, "2004-062004-06 Vacances0000000010-Plage5");
    EXPECT_EQ(l[2].mots, "Vacances-Plage-");
    EXPECT_EQ(l[4].clef, "2004-062004-06 VacancesNice" + Dix + "00");
    EXPECT_EQ(l[5].clef, "2004-062004-06 VacancesNice" + Dix + "5");
    EXPECT_EQ(l[4].valide, 3);
    EXPECT_EQ(l[4].mois, 6);
    EXPECT_EQ(l[6].clef, "9999-00MusiqueClip" + Dix + "5");
    EXPECT_EQ(l[7].clef, "9999-00Plage" + Dix + "5");
    EXPECT_EQ(l[7].rep, racine);
    EXPECT_EQ(l[7].annee, 0);
    EXPECT_EQ(l[7].valide, 4);
    EXPECT_EQ(l[7].mots, "Plage-");

    {
        Catalogue c(programme + "/Lumeno1.mdb");
        EXPECT_EQ(c.motsTrouves(), QStringList({"Chanson", "Clip", "Musique", "Nice", "Plage", "Vacances"}));
        EXPECT_EQ(c.anneesTrouvees(), QStringList({"2003", "2004", "9999"}));
        EXPECT_EQ(c.moisTrouves(), QStringList({"00", "05", "06"}));
    }

    EXPECT_EQ(fichierTexte("Lumeno4.ini"), QStringList{"0" + racine + "/Musique/2003-05-Chanson.mp3"});
    EXPECT_EQ(fichierTexte("Lumeno7.ini"), QStringList{racine + "/Musique/Soiree.m3u"});

    const QStringList s = fichierTexte("Lumeno1.txt");
    ASSERT_EQ(s.size(), 67);
    EXPECT_EQ(s[1], racine + "-1");
    EXPECT_EQ(s[5], "9");     // rows + 1
    EXPECT_EQ(s[7], " 2004"); // largest year
    EXPECT_EQ(s[8], " 2003"); // smallest year
    EXPECT_EQ(s[35], "1");    // music entries
    EXPECT_EQ(s[39], "7");    // 6 words + 1
    EXPECT_EQ(s[41], "4");
    EXPECT_EQ(s[43], "4");
    EXPECT_EQ(s[52], "11/12/2026");

    EXPECT_TRUE(retour.messagesBas.contains(racine + "/2004-06 Vacances"));
    EXPECT_TRUE(retour.messagesBas.contains(QString::fromUtf8("Tri de la Base de Données.")));
    EXPECT_EQ(retour.messages.last(), " Activation de la nouvelle Configuration.");
    EXPECT_EQ(retour.moments.first(), RetourScan::Moment::Debut);
    EXPECT_EQ(retour.moments.last(), RetourScan::Moment::Fin);
    EXPECT_FALSE(QDir(programme).entryList({"Lumeno1.mdb.*"}, QDir::Files).size()) << "no temporary left";
    EXPECT_TRUE(QFileInfo(programme + "/Lumeno1.mdb").permissions() & QFileDevice::ReadOther)
        << "an ordinary file, not the temporary file's private mode";
}

TEST_F(ScanTest, AlphabeticalOptionSortsTenBeforeTwo) {
    photo("2004-06-2-Plage.jpg");
    photo("2004-06-10-Plage.jpg");
    reglages.configCheckTri = true;
    ASSERT_EQ(lancer().fin, FinScan::Terminee);
    EXPECT_EQ(noms(), QStringList({"2004-06-10-Plage.jpg", "2004-06-2-Plage.jpg"}));
}

TEST_F(ScanTest, OwnFoldersDeepFoldersAndSystemFoldersAreNotCatalogued) {
    photo("x-Lumeno/Miniatures/2004/Plage_t.jpg");
    photo("Vacances/x-Lumeno-copie/Plage.jpg");
    photo("a/b/c/d/e/f/g/h/Huit.jpg");
    photo("a/b/c/d/e/f/g/h/i/Neuf.jpg");
    photo("Garde.jpg");
    ASSERT_EQ(lancer().fin, FinScan::Terminee);
    EXPECT_EQ(noms(), QStringList({"Huit.jpg", "Garde.jpg"}));
}

TEST_F(ScanTest, ThumbnailFoldersMirrorTheFirstRootEvenWhenItIsNotTicked) {
    const QString deuxieme = dossier.dossier("Autres");
    dossier.fichier("Autres/Vacances/Plage.jpg");
    photo("Ete/Soleil.jpg");
    reglages.racines[0].cochee = false;
    reglages.racines[1] = {deuxieme, true, true};
    reglages.configCheck11 = true;
    ASSERT_EQ(lancer().fin, FinScan::Terminee);
    EXPECT_EQ(noms(), QStringList({"Plage.jpg"}));
    for (const char* d : {"x-Lumeno/Lumeno/Html", "x-Lumeno/Miniatures/Lumeno-Bin"})
        EXPECT_TRUE(QFileInfo(racine + "/" + d).isDir()) << d;
    EXPECT_FALSE(QFileInfo(racine + "/x-Lumeno/Miniatures/Ete").exists()) << "the first root was not walked";
    EXPECT_FALSE(QFileInfo(deuxieme + "/x-Lumeno").exists());

    reglages.racines[0].cochee = true;
    ASSERT_EQ(lancer().fin, FinScan::Terminee);
    EXPECT_TRUE(QFileInfo(racine + "/x-Lumeno/Miniatures/Ete").isDir());
}

TEST_F(ScanTest, NothingFoundKeepsTheSettingsAndEmptiesTheCatalogue) {
    photo("2004/Plage.jpg");
    ASSERT_EQ(lancer().fin, FinScan::Terminee);
    const QStringList avant = fichierTexte("Lumeno1.txt");
    QFile::remove(racine + "/2004/Plage.jpg");
    photo("Soiree.m3u");

    EXPECT_EQ(lancer().fin, FinScan::BaseVide);
    ASSERT_EQ(boites->messages.size(), 1);
    EXPECT_EQ(boites->messages[0].titre, "Debug : Liste des mots vide avant tri");
    EXPECT_TRUE(boites->messages[0].texte.startsWith(QString::fromUtf8(" La Base de donnée est vide.")));
    EXPECT_TRUE(boites->messages[0].texte.endsWith("Ou, le Dossier était vide : " + racine));
    EXPECT_EQ(fichierTexte("Lumeno1.txt"), avant);
    EXPECT_TRUE(lignes().isEmpty());
    EXPECT_EQ(fichierTexte("Lumeno7.ini"), QStringList{racine + "/Soiree.m3u"});
}

TEST_F(ScanTest, ScansThatCannotStartChangeNothing) {
    photo("Plage.jpg");
    ASSERT_EQ(lancer().fin, FinScan::Terminee);
    const QStringList avant = fichierTexte("Lumeno1.txt");
    photo("Autre.jpg");

    ReglagesLumeno aucune = reglages;
    aucune.racines[0].cochee = false;
    std::swap(reglages, aucune);
    retour.moments.clear();
    EXPECT_EQ(lancer().fin, FinScan::AucuneRacine);
    EXPECT_EQ(
        retour.messagesConfig,
        QStringList{QString::fromUtf8("Il faut valider au moins la première de ces trois cases pour définir "
                                      "les photos à utiliser dans la base de données.")});
    EXPECT_TRUE(retour.moments.isEmpty()) << "the screen is left as it was";
    std::swap(reglages, aucune);

    reglages.racines[1] = {dossier.chemin("Absent"), true, false};
    EXPECT_EQ(lancer().fin, FinScan::RacineIndisponible);
    EXPECT_EQ(boites->messages.last().titre, "Dossier indisponible");
    reglages.racines[1] = {};

    ASSERT_TRUE(QFile::rename(programme + "/Lumeno2.mdb", programme + "/Lumeno2.bak"));
    EXPECT_EQ(lancer().fin, FinScan::ModeleAbsent);
    EXPECT_EQ(boites->messages.last().titre, "et oui c'est dur !");
    EXPECT_TRUE(boites->messages.last().texte.contains(programme));

    EXPECT_EQ(noms(), QStringList({"Plage.jpg"}));
    EXPECT_EQ(fichierTexte("Lumeno1.txt"), avant);
}

TEST_F(ScanTest, FailedSettingsWriteIsReportedAndKeepsThePreviousCatalogue) {
    photo("Plage.jpg");
    ASSERT_EQ(lancer().fin, FinScan::Terminee);
    photo("Autre.jpg");
    // A folder in the place of the settings file: the write cannot replace it.
    ASSERT_TRUE(QFile::remove(programme + "/Lumeno1.txt"));
    ASSERT_TRUE(QDir().mkdir(programme + "/Lumeno1.txt"));
    const ResultatScan r = lancer();
    EXPECT_EQ(r.fin, FinScan::ErreurEcriture);
    ASSERT_FALSE(boites->messages.isEmpty());
    EXPECT_EQ(boites->messages.last().icone, Boite::Icone::Critique);
    EXPECT_TRUE(boites->messages.last().texte.contains("Lumeno1.txt"));
    EXPECT_EQ(noms(), QStringList({"Plage.jpg"}));
    EXPECT_FALSE(QDir(programme).entryList({"Lumeno1.mdb.*"}, QDir::Files).size());
}

TEST_F(ScanTest, CancelledScanKeepsThePreviousCatalogue) {
    photo("Plage.jpg");
    ASSERT_EQ(lancer().fin, FinScan::Terminee);
    photo("Autre.jpg");
    ParametresScan p;
    p.dossierProgramme = programme;
    p.reglages = reglages;
    Scan scan(p, retour);
    ASSERT_TRUE(scan.etape(0));
    scan.annuler();
    while (scan.etape(0)) {
    }
    EXPECT_EQ(scan.resultat().fin, FinScan::Annulee);
    EXPECT_EQ(noms(), QStringList({"Plage.jpg"}));
}

TEST_F(ScanTest, AwkwardNamesLinksAndVanishingFoldersNeverBreakTheScan) {
    const QStringList awkward = {QString::fromUtf8("Il a dit \"oui\", l'été.jpg"),
                                 QString::fromUtf8("東京タワー.jpg"), "virgule,point;.jpg", "Plage .jpg"};
    for (const QString& n : awkward)
        photo("Divers/" + n);
    photo("Boucle/Plage.jpg");
    ASSERT_EQ(::symlink("..", QFile::encodeName(racine + "/Boucle/retour").constData()), 0);
    ASSERT_EQ(::symlink(QFile::encodeName(racine + "/Boucle/Plage.jpg").constData(),
                        QFile::encodeName(racine + "/Lien.jpg").constData()),
              0);
    ASSERT_EQ(::symlink("/nulle/part.jpg", QFile::encodeName(racine + "/Casse.jpg").constData()), 0);
    photo("Disparu/Fantome.jpg");
    photo("Disparu/Sous/Fantome2.jpg");

    ParametresScan p;
    p.dossierProgramme = programme;
    p.reglages = reglages;
    Scan scan(p, retour);
    ASSERT_TRUE(scan.etape(0)); // start
    ASSERT_TRUE(scan.etape(0)); // the root: its sub-folders are now waiting
    ASSERT_TRUE(QDir(racine + "/Disparu").removeRecursively());
    while (scan.etape(0)) {
    }
    ASSERT_EQ(scan.resultat().fin, FinScan::Terminee) << scan.resultat().erreur.toStdString();

    const QStringList n = noms();
    EXPECT_EQ(n.size(), 6) << n.join("|").toStdString();
    for (const QString& nom :
         {QString::fromUtf8("Il a dit \"oui\", l'été.jpg"), QString::fromUtf8("東京タワー.jpg"),
          QString("virgule,point;.jpg"), QString("Plage\x02.jpg"), QString("Lien.jpg")})
        EXPECT_TRUE(n.contains(nom)) << nom.toStdString();
    EXPECT_EQ(n.count("Plage.jpg"), 1) << "the folder link is not followed";

    Catalogue c(programme + "/Lumeno1.mdb");
    CurseurCatalogue curseur(c.base());
    curseur.ouvrirNom(QString::fromUtf8("Il a dit \"oui\", l'été"));
    EXPECT_FALSE(curseur.eof());
    curseur.ouvrirNom("Lien"); // stored with its filler spaces, found by the name as listed
    EXPECT_FALSE(curseur.eof());
}

TEST_F(ScanTest, TooLongNamesAndFoldersStillGetTheirRows) {
    photo(QString(150, 'n') + ".jpg");
    QString profond;
    for (int i = 0; i < 5; ++i)
        profond += QString(50, QChar('a' + i)) + "/";
    photo(profond + "Plage.jpg");
    ASSERT_EQ(lancer().fin, FinScan::Terminee);
    const QList<Ligne> l = lignes();
    ASSERT_EQ(l.size(), 2);
    bool nomLong = false, dossierLong = false;
    for (const Ligne& x : l) {
        nomLong |= x.nom.startsWith("===>  Le Nom de la Photo est trop long");
        dossierLong |= x.rep.startsWith("===>  Le Nom du Dossier est trop long");
        EXPECT_LE(x.clef.size(), 254);
    }
    EXPECT_TRUE(nomLong);
    EXPECT_TRUE(dossierLong);
}

TEST_F(ScanTest, RenamingToolIsToldHowManyFilesWereRenamed) {
    photo("Plage.jpg");
    const ResultatScan r = lancer(1, 3);
    EXPECT_TRUE(r.signalRenommageTraite);
    ASSERT_EQ(boites->messages.size(), 1);
    EXPECT_EQ(boites->messages[0].titre, "Information");
    EXPECT_EQ(boites->messages[0].texte,
              QString::fromUtf8("3 photo(s) sont renommé(es) et, la base de données a été mise à jour."));
}

TEST_F(ScanTest, RecordLimitCountsTheLastFileButDoesNotWriteIt) {
    // With the limit at 64000 the 64000th accepted file is counted but not written; the same rule
    // on a small limit keeps the test fast.
    for (int f = 1; f <= 25; ++f)
        photo(QString("P%1.jpg").arg(f, 2, 10, QChar('0')));
    ParametresScan p;
    p.dossierProgramme = programme;
    p.reglages = reglages;
    p.limiteEnregistrements = 25;
    Scan scan(p, retour);
    const ResultatScan r = scan.executer();
    ASSERT_EQ(r.fin, FinScan::Terminee);
    EXPECT_EQ(r.fichiersAcceptes, 25);
    EXPECT_EQ(r.enregistrements, 24);
    EXPECT_TRUE(retour.messagesBas.contains(
        QString::fromUtf8(" La limite de la taille de la BdD : 25 est dépassée :25")));
    EXPECT_EQ(fichierTexte("Lumeno1.txt")[5], "25");
    const QStringList n = noms();
    ASSERT_EQ(n.size(), 24);
    EXPECT_EQ(n.last(), "P24.jpg");
    EXPECT_EQ(ParametresScan{}.limiteEnregistrements, 64000);
}
