#include "DossierProgramme.h"

#include "EcritureReglages.h"
#include "Horloge.h"
#include "TexteFichier.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QString texte(FenetrePrincipale& f, const char* nom) {
    return f.findChild<QLabel*>(nom)->text();
}

bool visible(FenetrePrincipale& f, const char* nom) {
    return f.findChild<QWidget*>(nom)->isVisible();
}

void fixerJour(const QDate& jour) {
    Horloge::fixer([jour] { return QDateTime(jour, QTime(10, 0)); });
}

TEST(StartupChaine, FirstStartWithOnlyTheTemplateMakesTheCatalogueAndRestarts) {
    DossierProgramme p;
    p.base();
    FenetrePrincipale& f = p.demarrer();
    QTimer* timer2 = f.controles().Timer2;

    EXPECT_TRUE(QFileInfo(p.chemin("Lumeno1.mdb")).isFile());
    EXPECT_EQ(f.etat().differe, 14);
    EXPECT_TRUE(timer2->isActive());
    EXPECT_EQ(timer2->interval(), 3000);
    EXPECT_FALSE(visible(f, "Frame1"));

    // The restart finds an empty catalogue: the configuration screen, no scan without a marker.
    f.Timer2_Timer();
    EXPECT_TRUE(visible(f, "Frame1"));
    EXPECT_FALSE(timer2->isActive());
    EXPECT_FALSE(f.controles().Timer1->isActive());
    EXPECT_TRUE(p.boites->messages.isEmpty());
    EXPECT_EQ(p.fins, 0);
}

TEST(StartupChaine, EmptyCatalogueAfterAnUpdateRunsTheScanOnce) {
    DossierProgramme p;
    p.base().catalogue({});
    p.dossier.fichier("prog/LumenoLog4.tmp", "x\r\n");
    int scans = 0;
    EtatDemarrage e = p.etatParDefaut();
    auto f = std::make_unique<FenetrePrincipale>(e);
    f->crochetsFenetre().finProgramme = [] {};
    f->crochets().scanCatalogue = [&] { ++scans; };
    f->demarrer();
    EXPECT_TRUE(f->ecran("Frame1")->isVisibleTo(f.get()));
    EXPECT_EQ(f->etat().differe, 8);
    EXPECT_EQ(f->controles().Timer2->interval(), 1000);
    f->Timer2_Timer();
    EXPECT_EQ(scans, 1);
    EXPECT_FALSE(QFileInfo::exists(p.chemin("LumenoLog4.tmp")));
    EXPECT_EQ(f->controles().Message->text(),
              QStringLiteral("Mise à jour automatique de la Base de Donnée."));
    EXPECT_FALSE(f->controles().Timer2->isActive());
}

TEST(StartupChaine, WrongTemplateSizeIsReportedBeforeAnythingIsOpened) {
    for (const Boite::Reponse reponse : {Boite::Reponse::Annuler, Boite::Reponse::Ok}) {
        DossierProgramme p;
        p.programme().contextes();
        p.dossier.fichier("prog/Lumeno2.mdb", QByteArray(100000, 'x'));
        p.boites->reponses = {reponse};
        p.demarrer();
        ASSERT_FALSE(p.boites->messages.isEmpty());
        const Boite::Message m = p.boites->messages.first();
        EXPECT_EQ(m.titre, QStringLiteral("Problème technique"));
        EXPECT_EQ(m.icone, Boite::Icone::Critique);
        EXPECT_EQ(m.boutons, Boite::Boutons::OkAnnuler);
        EXPECT_TRUE(m.texte.startsWith(
            QStringLiteral(
                "Le fichier Lumeno2.mdb n'est pas le bon. Il faut recopier la derniere version de ce "
                "fichier dans : ") +
            p.chemin() + QStringLiteral("/Lumeno2.mdb . Répondre Annuler pour quitter")))
            << m.texte.toStdString();
        // The bad template is never copied into a catalogue.
        EXPECT_FALSE(QFileInfo::exists(p.chemin("Lumeno1.mdb")));
        EXPECT_EQ(p.fins, reponse == Boite::Reponse::Annuler ? 1 : 0);
    }
}

TEST(StartupChaine, MissingContextsFileIsRecreatedAndTheProgramQuits) {
    DossierProgramme p;
    p.programme().modele().catalogue({{"2004-06-00001-Plage", 2004}});
    p.demarrer();
    ASSERT_EQ(p.boites->messages.size(), 1);
    EXPECT_EQ(p.boites->messages[0].titre, QStringLiteral("Erreur Contexte"));
    EXPECT_EQ(
        p.boites->messages[0].texte,
        QStringLiteral("Il manquait le fichier des contextes Lumeno2.txt mais cela est réparé. Merci de "
                       "relancer Lumeno."));
    EXPECT_EQ(p.fins, 1);
    const TexteFichier::Lecture l = TexteFichier::lire(p.chemin("Lumeno2.txt"));
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.lignes.value(0), QStringLiteral("CONTEXTE,Initial,,,,"));
}

TEST(StartupChaine, ReadOnlyCatalogueIsUnblockedThenThePrgramEnds) {
    DossierProgramme p;
    p.base().catalogue({{"2004-06-00001-Plage", 2004}});
    QFile::setPermissions(p.chemin("Lumeno1.mdb"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    p.demarrer();
    ASSERT_EQ(p.boites->messages.size(), 1);
    EXPECT_EQ(p.boites->messages[0].titre, QStringLiteral("Message de Réparation."));
    EXPECT_EQ(
        p.boites->messages[0].texte,
        QStringLiteral("Le fichier lumeno1.mdb était bloqué (vient d'un CD). C'est réparé. Faites OK puis "
                       "relancer Lumeno."));
    EXPECT_TRUE(QFile::permissions(p.chemin("Lumeno1.mdb")) & QFile::WriteOwner);
    EXPECT_EQ(p.fins, 1);
}

TEST(StartupChaine, NormalStartFillsTheListsAndStartsTheSlideshow) {
    DossierProgramme p;
    p.dossier.dossier("Photos/2004 Vacances");
    p.dossier.dossier("Photos/x-Lumeno");
    fixerJour(QDate(2026, 7, 1));
    p.base().catalogue({{"2004-06-00001-Plage", 2004}, {"2003-01-00002-Neige", 2003}});
    p.reglages(p.dossier.chemin("Photos"), QDate(2026, 6, 30));
    p.dossier.fichier("prog/LumenoLog1.tmp", "x");
    int versions = 0, selections = 0;
    auto f = std::make_unique<FenetrePrincipale>(p.etatParDefaut());
    f->crochetsFenetre().finProgramme = [] {};
    f->crochets().ecranVersion = [&] { ++versions; };
    f->crochets().rechercheSelection = [&] { ++selections; };
    f->show();
    f->demarrer();

    EXPECT_TRUE(p.boites->messages.isEmpty());
    const ListesRecherche& l = f->demarrage().listes();
    EXPECT_EQ(l.liste, (QStringList{"2003-01-00002-Neige", "2004-06-00001-Plage"}));
    EXPECT_EQ(l.positionsTri, (QList<int>{1, 2}));
    EXPECT_EQ(l.choixRepert, (QStringList{p.dossier.chemin("Photos/2004 Vacances")}));
    EXPECT_EQ(l.contexteListe, (QStringList{"(Aucun)", "Initial", "Autre"}));
    EXPECT_EQ(l.choixAnnee, (QStringList{"", "2003", "2004"}));
    EXPECT_EQ(f->demarrage().criteres().contexteDemarrage, QStringLiteral("Initial"));
    EXPECT_EQ(selections, 1);
    EXPECT_EQ(versions, 1);
    EXPECT_FALSE(QFileInfo::exists(p.chemin("LumenoLog1.tmp")));
    EXPECT_TRUE(f->controles().Timer1->isActive());
    EXPECT_EQ(f->controles().Timer1->interval(), 5030);
    EXPECT_TRUE(f->controles().Pause->isVisible());
    EXPECT_FALSE(f->controles().Marche->isVisible());
    EXPECT_TRUE(f->demarrage().termine());
}

TEST(StartupChaine, OldSettingsFileAsksForANewConfigAndStartUpCompletes) {
    DossierProgramme p;
    p.base().catalogue({{"2004-06-00001-Plage", 2004}});
    p.reglages(p.dossier.dossier("Photos"), QDate::currentDate());
    TexteFichier::Lecture l = TexteFichier::lire(p.chemin("Lumeno1.txt"));
    ASSERT_TRUE(TexteFichier::ecrire(p.chemin("Lumeno1.txt"), l.lignes.mid(0, 40)));
    FenetrePrincipale& f = p.demarrer();
    EXPECT_EQ(texte(f, "Message"),
              QStringLiteral("Il serait utile de relancer une Config. Le fichier Init n'est pas à jour."));
    EXPECT_TRUE(p.boites->messages.isEmpty()); // no automatic-scan question after a short file
    EXPECT_TRUE(f.controles().Timer1->isActive());
    EXPECT_EQ(f.controles().Timer1->interval(), 5030);
}

TEST(StartupChaine, AutomaticScanQuestionFollowsTheDaysAndItsBounds) {
    struct Cas {
        QString jours;
        QDate dernier, aujourdhui;
        bool question;
        QString joursDits;
    };
    const Cas cas[] = {
        {"30", QDate(2026, 6, 30), QDate(2026, 7, 1), false, {}},
        {"30", QDate(2026, 6, 30), QDate(2026, 7, 30), false, {}},
        {"30", QDate(2026, 6, 30), QDate(2026, 7, 31), true, "30"},
        {"200", QDate(2026, 1, 1), QDate(2026, 3, 31), false, {}}, // 89 days: bound to 90
        {"200", QDate(2026, 1, 1), QDate(2026, 4, 2), true, "90"},
        {"0", QDate(2026, 1, 1), QDate(2026, 1, 3), false, {}},
        {"abc", QDate(2026, 1, 1), QDate(2026, 1, 4), true, "2"},
    };
    for (const Cas& c : cas) {
        DossierProgramme p;
        fixerJour(c.aujourdhui);
        p.base().catalogue({{"2004-06-00001-Plage", 2004}});
        p.reglages(p.dossier.dossier("Photos"), c.dernier, c.jours);
        p.boites->reponses = {Boite::Reponse::Ok};
        FenetrePrincipale& f = p.demarrer();
        const std::string quoi = (c.jours + " " + c.aujourdhui.toString(Qt::ISODate)).toStdString();
        ASSERT_EQ(p.boites->messages.size(), c.question ? 1 : 0) << quoi;
        if (!c.question) {
            EXPECT_TRUE(f.controles().Timer1->isActive()) << quoi;
            continue;
        }
        const Boite::Message m = p.boites->messages[0];
        EXPECT_EQ(m.titre, QStringLiteral("Question"));
        EXPECT_EQ(m.icone, Boite::Icone::Question);
        EXPECT_EQ(m.texte,
                  QStringLiteral("La dernière mise à jour de la Base de Données remonte à plus de ") +
                      c.joursDits + QStringLiteral(" jours. Voulez vous une mise à jour automatique ? "));
        // OK: the configuration screen and the scan 800 ms later.
        EXPECT_TRUE(visible(f, "Frame1")) << quoi;
        EXPECT_EQ(f.etat().differe, 20);
        EXPECT_EQ(f.controles().Timer2->interval(), 800);
        EXPECT_FALSE(f.controles().Timer1->isActive());
    }
}

TEST(StartupChaine, CancelledScanQuestionGoesOnWithTheSlideshow) {
    DossierProgramme p;
    fixerJour(QDate(2026, 9, 1));
    p.base().catalogue({{"2004-06-00001-Plage", 2004}});
    p.reglages(p.dossier.dossier("Photos"), QDate(2026, 1, 1));
    p.boites->reponses = {Boite::Reponse::Annuler};
    FenetrePrincipale& f = p.demarrer();
    EXPECT_EQ(p.boites->messages.size(), 1);
    EXPECT_FALSE(visible(f, "Frame1"));
    EXPECT_TRUE(f.controles().Timer1->isActive());
}

TEST(StartupChaine, PhotoOnTheCommandLineOutsideTheProgramFolder) {
    DossierProgramme p;
    fixerJour(QDate(2026, 9, 1));
    p.base().catalogue({{"2004-06-00001-Plage", 2004}});
    p.reglages(p.dossier.dossier("Photos"), QDate(2026, 1, 1)); // a scan would be due
    const QString photo = p.dossier.fichier("Ailleurs/Vacances/Plage.jpg", "jpeg");
    QStringList affichees, explorateur;

    EtatDemarrage e;
    e.dossierProgramme = p.dossier.chemin("Ailleurs/Vacances");
    e.dossierExecutable = p.chemin();
    e.fichierLigneCommande = photo;
    auto f = std::make_unique<FenetrePrincipale>(e);
    f->crochetsFenetre().finProgramme = [] {};
    f->crochets().afficherPhoto = [&](const QString& chemin) { affichees << chemin; };
    f->crochets().pointerExplorateur = [&](const QString& dossier) { explorateur << dossier; };
    f->show();
    f->demarrer();

    EXPECT_EQ(affichees, QStringList{photo});
    EXPECT_EQ(explorateur.value(0), p.dossier.chemin("Ailleurs/Vacances"));
    EXPECT_EQ(f->etat().dossierProgramme, p.chemin());
    EXPECT_TRUE(p.boites->messages.isEmpty()); // no automatic-scan question
    EXPECT_FALSE(f->controles().MessageBas->isVisible());
    // Nothing written in the user's folder.
    EXPECT_EQ(QDir(p.dossier.chemin("Ailleurs/Vacances")).entryList(QDir::Files), QStringList{"Plage.jpg"});
    // The buttons of a single photo; no slideshow.
    EXPECT_TRUE(f->controles().Marche->isVisible());
    EXPECT_TRUE(f->controles().Marche3->isVisible());
    EXPECT_FALSE(f->controles().Pause->isVisible());
    EXPECT_FALSE(f->controles().HScroll1->isVisible());
    EXPECT_EQ(f->controles().Miniature->text(), QStringLiteral("Modifier"));
    EXPECT_FALSE(f->controles().Timer1->isActive());
}

TEST(StartupChaine, UpdateResumeReplacesTheUtilityThenStartsIt) {
    DossierProgramme p;
    p.base();
    p.dossier.fichier("prog/LumenoLog2.tmp", "source\r\n");
    p.dossier.fichier("prog/LumenoMaj", "ancien");
    p.dossier.fichier("prog/LumenoMajExe.tmp", "nouveau");
    FenetrePrincipale& f = p.demarrer();
    EXPECT_EQ(texte(f, "Message"), QStringLiteral("Suite de la mise à jour du logiciel ..."));
    EXPECT_TRUE(QFileInfo::exists(p.chemin("LumenoLog3.tmp")));
    EXPECT_EQ(f.etat().differe, 6);
    EXPECT_EQ(f.controles().Timer2->interval(), 2000);

    f.Timer2_Timer();
    EXPECT_FALSE(QFileInfo::exists(p.chemin("LumenoLog2.tmp")));
    QFile maj(p.chemin("LumenoMaj"));
    ASSERT_TRUE(maj.open(QIODevice::ReadOnly));
    EXPECT_EQ(maj.readAll(), "nouveau");
    EXPECT_EQ(f.etat().differe, 7);
    EXPECT_TRUE(f.controles().Timer2->isActive());

    f.Timer2_Timer();
    EXPECT_FALSE(QFileInfo::exists(p.chemin("LumenoMajExe.tmp")));
    EXPECT_EQ(f.etat().differe, 5);

    f.Timer2_Timer();
    ASSERT_EQ(p.lanceur->demarrages.size(), 1);
    EXPECT_EQ(p.lanceur->demarrages[0].programme, p.chemin("LumenoMaj"));
    EXPECT_EQ(p.lanceur->demarrages[0].dossierTravail, p.chemin());
    EXPECT_EQ(f.etat().differe, 0);
    EXPECT_FALSE(f.controles().Timer2->isActive());
    EXPECT_TRUE(p.boites->messages.isEmpty());
    EXPECT_EQ(p.fins, 1);
}

TEST(StartupChaine, UpdateResumeWithoutTheNewUtilitySaysSoAndStillRestarts) {
    DossierProgramme p;
    p.base();
    p.dossier.fichier("prog/LumenoLog2.tmp", "source\r\n");
    p.dossier.fichier("prog/LumenoMaj", "ancien");
    FenetrePrincipale& f = p.demarrer();
    p.lanceur->reussite = false;
    f.Timer2_Timer();
    ASSERT_EQ(p.boites->messages.size(), 1);
    EXPECT_TRUE(p.boites->messages[0].texte.contains("LumenoMajExe.tmp"));
    EXPECT_EQ(f.etat().differe, 5);
    f.Timer2_Timer();
    ASSERT_EQ(p.boites->messages.size(), 2);
    EXPECT_EQ(p.boites->messages[1].texte,
              QStringLiteral("Le logiciel de reboot (LumenoMaj.exe) n'est pas opérationnel."));
    EXPECT_EQ(p.fins, 1);
}

TEST(StartupChaine, DownloadMarkerIsClearedAtTheEndOfStartUp) {
    DossierProgramme p;
    p.base().catalogue({{"2004-06-00001-Plage", 2004}});
    p.reglages(p.dossier.dossier("Photos"), QDate::currentDate());
    const QString archive = p.dossier.fichier("Telechargement/Lumeno00.exe", "zip");
    ASSERT_TRUE(
        TexteFichier::ecrire(p.chemin("LumenoLog5.tmp"), {archive, p.dossier.chemin("Telechargement")}));
    p.demarrer();
    EXPECT_FALSE(QFileInfo::exists(archive));
    EXPECT_FALSE(QFileInfo::exists(p.chemin("LumenoLog5.tmp")));
}

} // namespace

namespace {

TEST(StartupChaine, WindowTakesItsPlaceOrFullScreenFromTheSettings) {
    struct Cas {
        int etat, hauteur, largeur; // largeur as the window had it: the file keeps it + 500
        bool pleinEcran;
        int largeurAttendue; // twips
    };
    const Cas cas[] = {
        {0, 9000, 13200, false, 13200}, // stored as 13700, read back as 13200
        {0, 9000, 3500, false, 4000},   // stored as 4000, read back unchanged
        {2, 9000, 13200, true, 0},
    };
    for (const Cas& c : cas) {
        DossierProgramme p;
        p.base().catalogue({{"2004-06-00001-Plage", 2004}});
        ReglagesLumeno r = ReglagesLumeno::parDefaut();
        r.racines[0] = {p.dossier.dossier("Photos"), true, true};
        r.etatFenetre = c.etat;
        r.hautFenetre = 1500;
        r.gaucheFenetre = 1500;
        r.hauteurFenetre = c.hauteur;
        r.largeurFenetre = c.largeur;
        ResultatsScan s;
        s.dateScan = QDate::currentDate();
        ASSERT_TRUE(ecrireReglages(p.chemin(), s, r));
        FenetrePrincipale& f = p.demarrer();
        EXPECT_EQ(f.isFullScreen(), c.pleinEcran);
        if (!c.pleinEcran) {
            EXPECT_EQ(f.width(), f.enPixels(c.largeurAttendue));
            EXPECT_EQ(f.height(), f.enPixels(c.hauteur));
            EXPECT_EQ(f.etatFenetre().largeurNormale, c.largeurAttendue);
        }
        EXPECT_TRUE(f.controles().Timer1->isActive());
    }
}

TEST(StartupChaine, EntryErrorShowsInTheBottomLine) {
    DossierProgramme p;
    p.base().catalogue({{"2004-06-00001-Plage", 2004}});
    EtatDemarrage e = p.etatParDefaut();
    e.messageEntree =
        QStringLiteral("Information Technique : Plantage pendant le traitement de la double instance.");
    FenetrePrincipale& f = p.demarrer(e);
    EXPECT_EQ(
        f.controles().MessageBas->text(),
        QStringLiteral(" . Information Technique : Plantage pendant le traitement de la double instance."));
}

TEST(StartupChaine, FileWithoutExtensionStillMovesTheProgramFolder) {
    DossierProgramme p;
    p.base().catalogue({{"2004-06-00001-Plage", 2004}});
    const QString notes = p.dossier.fichier("Ailleurs/LISEZMOI", "texte");
    EtatDemarrage e;
    e.dossierProgramme = p.dossier.chemin("Ailleurs");
    e.dossierExecutable = p.chemin();
    e.fichierLigneCommande = notes;
    int photos = 0;
    auto f = std::make_unique<FenetrePrincipale>(e);
    f->crochetsFenetre().finProgramme = [] {};
    f->crochets().afficherPhoto = [&](const QString&) { ++photos; };
    f->demarrer();
    EXPECT_EQ(photos, 0);
    EXPECT_EQ(f->etat().dossierProgramme, p.chemin());
    EXPECT_EQ(QDir(p.dossier.chemin("Ailleurs")).entryList(QDir::Files), QStringList{"LISEZMOI"});
}

TEST(StartupChaine, ScreenSaverStartChecksItsSettingsAndTemplate) {
    // The screen saver found its copy, which names a program folder without settings.
    for (const bool reglages : {false, true}) {
        DossierProgramme p;
        p.modele().contextes(); // the screen saver's folder holds no program file
        if (reglages)
            p.reglages(p.dossier.dossier("Photos"), QDate::currentDate());
        EtatDemarrage e = p.etatParDefaut();
        e.modeVeille = true;
        auto f = std::make_unique<FenetrePrincipale>(e);
        f->crochetsFenetre().finProgramme = [&] { ++p.fins; };
        f->crochets().demarrageVeille = [](EtatDemarrage& etat, EtatVeille&) {
            etat.veilleActive = true;
            return true;
        };
        f->demarrer();
        ASSERT_EQ(p.boites->messages.size(), 1);
        if (!reglages) {
            EXPECT_EQ(p.boites->messages[0].titre, QStringLiteral("Problème technique Veille Ecran"));
            EXPECT_EQ(p.fins, 1);
        } else {
            EXPECT_EQ(p.boites->messages[0].titre, QStringLiteral("Message d'information"));
            EXPECT_TRUE(
                p.boites->messages[0].texte.startsWith("Confirmation que Lumeno est utilisé pour la Veille"));
            EXPECT_FALSE(QFileInfo::exists(p.chemin("Lumeno1.mdb"))); // no catalogue made outside the program
            EXPECT_EQ(p.fins, 0);
        }
    }
}

} // namespace

namespace {

TEST(StartupChaine, StartFromAnotherFolderWritesNothingThere) {
    DossierProgramme p;
    p.base().catalogue({{"2004-06-00001-Plage", 2004}});
    const QString maison = p.dossier.dossier("Maison");
    EtatDemarrage e;
    e.dossierProgramme = maison;
    e.dossierExecutable = p.chemin();
    QStringList explorateur;
    auto f = std::make_unique<FenetrePrincipale>(e);
    f->crochetsFenetre().finProgramme = [&] { ++p.fins; };
    f->crochets().pointerExplorateur = [&](const QString& d) { explorateur << d; };
    f->demarrer();
    EXPECT_EQ(explorateur.value(0), maison);
    EXPECT_TRUE(QDir(maison).isEmpty());
    EXPECT_EQ(p.fins, 0);
    EXPECT_TRUE(f->etat().drapeauRacine);
    // No slideshow: the buttons that lead to a search.
    EXPECT_FALSE(f->controles().Timer1->isActive());
    EXPECT_TRUE(f->controles().OuvreRecherche->isVisibleTo(f.get()));
    EXPECT_FALSE(f->controles().Pause->isVisibleTo(f.get()));
}

TEST(StartupChaine, NoCatalogueAtAllIsSaid) {
    DossierProgramme p;
    p.programme().contextes();
    FenetrePrincipale& f = p.demarrer();
    EXPECT_TRUE(f.controles().Message->text().startsWith(
        QStringLiteral("Erreur au Démarrage : il n'y a pas de Base de Données Lumeno1.mdb")));
    EXPECT_FALSE(f.controles().Timer1->isActive());
}

} // namespace

namespace {

TEST(StartupChaine, Timer2StatesCallTheirActions) {
    DossierProgramme p;
    p.base().catalogue({{"2004-06-00001-Plage", 2004}});
    FenetrePrincipale& f = p.demarrer();
    QStringList appels;
    CrochetsDemarrage& c = f.crochets();
    c.rechercheWeb = [&] { appels << "web"; };
    c.ouvrirAide = [&] { appels << "aide"; };
    c.supprimerTemporaireOutils = [&] { appels << "temporaire"; };
    c.scanCatalogue = [&] { appels << "scan"; };
    c.finEditionVisionneuse = [&] { appels << "edition"; };
    c.afficherDeNouveau = [&] { appels << "affiche"; };
    c.marche3 = [&] { appels << "marche3"; };
    c.demarrerVideo = [&](const QString&) { appels << "video"; };
    struct Cas {
        int etat;
        QString appel;
        int etatApres;
    };
    const Cas cas[] = {{1, "video", 0},  {9, "web", 9},       {10, "aide", 10},    {16, "temporaire", 16},
                       {20, "scan", 20}, {23, "edition", 23}, {24, "affiche", 24}, {26, "marche3", 26}};
    for (const Cas& k : cas) {
        appels.clear();
        f.etat().differe = k.etat;
        f.controles().Timer2->start(500);
        f.Timer2_Timer();
        EXPECT_EQ(appels, QStringList{k.appel}) << k.etat;
        EXPECT_EQ(f.etat().differe, k.etatApres) << k.etat;
        EXPECT_FALSE(f.controles().Timer2->isActive()) << k.etat;
    }
    EXPECT_EQ(f.controles().Message->text(), QStringLiteral("Enregistrement de la photo."));

    // State 25 removes the metadata program's temporary photo before the next step.
    p.dossier.fichier("prog/TemporaireIptc.jpg", "jpeg");
    appels.clear();
    f.etat().differe = 25;
    f.Timer2_Timer();
    EXPECT_FALSE(QFileInfo::exists(p.chemin("TemporaireIptc.jpg")));
    EXPECT_EQ(appels, QStringList{"marche3"});

    // An unknown state does nothing, and the timer runs on.
    appels.clear();
    f.etat().differe = 99;
    f.controles().Timer2->start(500);
    f.Timer2_Timer();
    EXPECT_TRUE(appels.isEmpty());
    EXPECT_TRUE(f.controles().Timer2->isActive());
    EXPECT_EQ(f.etat().differe, 99);
}

} // namespace
