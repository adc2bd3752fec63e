#include "AffichagePhoto.h"
#include "BoiteEnregistreuse.h"
#include "DiapositiveTexte.h"
#include "DossierTest.h"
#include "FauxCurseur.h"
#include "Hasard.h"
#include "ImagePhoto.h"
#include "MoteurDiaporama.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

// Readable failures.
void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
void PrintTo(const QStringList& l, std::ostream* os) {
    *os << l.join(" | ").toStdString();
}

namespace {

// The main window's controls, as the window would give them.
struct Banc {
    DossierTest dossier;
    QWidget fenetre;
    ImagePhoto* image = new ImagePhoto(&fenetre);
    QLabel* message = new QLabel(&fenetre);
    QLabel* messageBas = new QLabel(&fenetre);
    QLabel* messageTexte = new QLabel(&fenetre);
    QPushButton* marche = new QPushButton(">", &fenetre);
    QPushButton* pause = new QPushButton("&Pause", &fenetre);
    QPushButton* marche3 = new QPushButton("=>", &fenetre);
    QPushButton* clavierBlanc = new QPushButton("=>", &fenetre);
    QPushButton* arriere = new QPushButton("<=", &fenetre);
    QPushButton* miniature = new QPushButton("&MiniAlbum", &fenetre);
    QPushButton* ouvreConfig = new QPushButton("&Config", &fenetre);
    QScrollBar* hscroll1 = new QScrollBar(Qt::Horizontal, &fenetre);
    QScrollBar* zoom = new QScrollBar(Qt::Vertical, &fenetre);
    QTimer timer;
    QWidget* frame2 = new QWidget(&fenetre);
    QWidget* frame4 = new QWidget(&fenetre);
    QPlainTextEdit* ajoutTexte = new QPlainTextEdit(frame4);
    QPushButton* valider = new QPushButton("Valider", frame4);
    QLabel* message1 = new QLabel(frame4);
    FauxCurseur curseur;
    std::unique_ptr<AffichagePhoto> affichage;
    std::unique_ptr<MoteurDiaporama> moteur;

    Banc() {
        fenetre.resize(800, 600); // 12000 x 9000 twips: captions in both labels
        hscroll1->setRange(0, 32);
        hscroll1->setValue(12);
        zoom->setRange(10, 40);
        timer.setInterval(8000);
        frame2->hide();
        frame4->hide();
        messageTexte->hide();
        VuePhoto vp;
        vp.fenetre = &fenetre;
        vp.Image1 = image;
        vp.Message = message;
        vp.MessageBas = messageBas;
        vp.VScroll1 = zoom;
        affichage = std::make_unique<AffichagePhoto>(vp);
        VueDiaporama v;
        v.fenetre = &fenetre;
        v.Message = message;
        v.MessageBas = messageBas;
        v.MessageTexte = messageTexte;
        v.Marche = marche;
        v.Pause = pause;
        v.Marche3 = marche3;
        v.ClavierBlanc = clavierBlanc;
        v.Arriere = arriere;
        v.Miniature = miniature;
        v.OuvreConfig = ouvreConfig;
        v.HScroll1 = hscroll1;
        v.Timer1 = &timer;
        v.Frame2 = frame2;
        v.Frame4 = frame4;
        v.AjoutTexte = ajoutTexte;
        v.AjoutTexteValider = valider;
        v.AjoutTexteMessage1 = message1;
        moteur = std::make_unique<MoteurDiaporama>(v, curseur, *affichage);
        moteur->reglages.AnneeMini = 2000;
        moteur->reglages.AnneeMaxi = 2010;
        moteur->etat.PremiereFin = false;
        fenetre.show();
    }

    // Adds a record over a real file: a small JPEG for photos, the given bytes otherwise.
    void ajouter(const QString& nom, const QString& type, const QByteArray& contenu = {}) {
        const QString chemin = dossier.chemin("photos/" + nom + "." + type);
        if (contenu.isNull() && type.compare("jpg", Qt::CaseInsensitive) == 0) {
            dossier.dossier("photos");
            QImage image(120, 80, QImage::Format_RGB32);
            image.fill(QColor(20 * curseur.enregistrements.size() % 255, 90, 160));
            EXPECT_TRUE(image.save(chemin, "JPG"));
        } else {
            dossier.fichier("photos/" + nom + "." + type, contenu);
        }
        ElementVisu e;
        e.VisuPhotoRep = dossier.chemin("photos");
        e.VisuPhotoNom = nom;
        e.VisuPhotoType = type;
        curseur.enregistrements << e;
    }
    void photos(int n) {
        for (int i = 1; i <= n; ++i)
            ajouter(QString("p%1").arg(i), "jpg");
    }
    // What the search start does: fetch the first item and show it.
    void demarrer() {
        curseur.RechercheSelection();
        moteur->AffichageDiaporama();
    }
    QString affiche() const { return moteur->visu.VisuPhotoNom; }
};

QString texteDe(int longueur) {
    QString t;
    while (t.size() < longueur)
        t += QString("Ligne de commentaire %1.\r\n").arg(t.size());
    return t.left(longueur);
}

} // namespace

TEST(SlideshowMoteur, PlayPauseAndStep) {
    Banc b;
    b.photos(5);
    b.demarrer();
    EXPECT_EQ(b.affiche(), "p1");
    EXPECT_EQ(b.message->text(), "p1");
    EXPECT_EQ(b.messageBas->text(), "p1");

    b.moteur->Marche_Click(); // shows the item fetched ahead at once
    EXPECT_EQ(b.affiche(), "p2");
    EXPECT_TRUE(b.timer.isActive());
    EXPECT_TRUE(b.pause->isVisible());
    EXPECT_FALSE(b.marche->isVisible());
    b.moteur->Timer1_Timer();
    EXPECT_EQ(b.affiche(), "p3");

    b.moteur->Pause_Click();
    EXPECT_FALSE(b.timer.isActive());
    EXPECT_EQ(b.moteur->etat.EnPause, 1);
    b.moteur->Timer1_Timer(); // ignored while paused
    EXPECT_EQ(b.affiche(), "p3");

    b.marche3->click(); // one step, stays paused
    EXPECT_EQ(b.affiche(), "p4");
    EXPECT_FALSE(b.timer.isActive());
    EXPECT_FALSE(b.moteur->etat.PasAPas);
    b.moteur->Timer1_Timer();
    EXPECT_EQ(b.affiche(), "p4");
}

TEST(SlideshowMoteur, PaceSlider) {
    Banc b;
    b.hscroll1->setValue(0);
    EXPECT_EQ(b.timer.interval(), 30);
    b.hscroll1->setValue(32);
    EXPECT_EQ(b.timer.interval(), 32030);
    b.moteur->ReveilVeille();
    EXPECT_EQ(b.hscroll1->maximum(), 15);
    EXPECT_EQ(b.hscroll1->value(), 4);
    EXPECT_EQ(b.timer.interval(), 4000);
    EXPECT_EQ(b.messageBas->text(), "Réveil de Lumeno.");
}

TEST(SlideshowMoteur, BackThroughAnUnwrappedRingThenReplayOnePerTick) {
    Banc b;
    b.photos(8);
    int pagesHtml = 0;
    b.moteur->crochets.generateurActif = [] { return true; };
    b.moteur->crochets.GenerateurHtmlPhoto = [&](const ElementVisu&) { ++pagesHtml; };
    b.demarrer();
    b.moteur->Marche_Click();
    b.moteur->Timer1_Timer();
    ASSERT_EQ(b.affiche(), "p3"); // p4 fetched ahead
    ASSERT_EQ(pagesHtml, 3);

    b.arriere->click();
    EXPECT_EQ(b.affiche(), "p2");
    EXPECT_FALSE(b.timer.isActive()); // the back button paused the slideshow
    b.arriere->click();
    EXPECT_EQ(b.affiche(), "p1");
    EXPECT_EQ(b.arriere->text(), "    "); // nothing further back
    b.arriere->click();
    EXPECT_EQ(b.affiche(), "p1");
    EXPECT_EQ(b.curseur.selections, 4); // stepping back never moved the selection

    b.moteur->Marche3_Click();
    EXPECT_EQ(b.affiche(), "p2");
    EXPECT_EQ(b.arriere->text(), "<=");
    b.moteur->Marche_Click();
    EXPECT_EQ(b.affiche(), "p3");
    b.moteur->Timer1_Timer();
    EXPECT_EQ(b.affiche(), "p4"); // the item fetched ahead, then the selection resumes
    b.moteur->Timer1_Timer();
    EXPECT_EQ(b.affiche(), "p5");
    // Replayed and back-stepped items did not write their pages again.
    EXPECT_EQ(pagesHtml, 5);
}

TEST(SlideshowMoteur, BackThroughAWrappedRingJumpsToSlot20) {
    Banc b;
    b.photos(25);
    b.demarrer();
    b.moteur->Marche_Click();
    while (b.affiche() != "p22")
        b.moteur->Timer1_Timer();
    ASSERT_EQ(b.curseur.HistoEcriture(), 3); // p23 fetched ahead in slot 3
    b.arriere->click();
    EXPECT_EQ(b.affiche(), "p20");
    EXPECT_EQ(b.curseur.HistoLecture(), 20);
    b.arriere->click();
    EXPECT_EQ(b.affiche(), "p19");
    EXPECT_EQ(b.arriere->text(), "<=");
}

TEST(SlideshowMoteur, EndMessagesThenRestartFromARandomMonth) {
    Banc b;
    b.photos(3);
    Hasard::fixer([] { return 0.5; });
    b.demarrer();
    b.moteur->Marche_Click();
    EXPECT_EQ(b.affiche(), "p2");
    b.moteur->Timer1_Timer(); // the last record passed and is a JPEG: shown, then the first message
    EXPECT_EQ(b.affiche(), "p3");
    EXPECT_EQ(b.message->text(), " Fin de la recherche.");
    b.moteur->Timer1_Timer();
    EXPECT_EQ(b.message->text(), " Il est possible de demander une nouvelle Recherche.");
    EXPECT_EQ(b.messageBas->text(), " Fin de la recherche.");
    b.moteur->Timer1_Timer();
    EXPECT_EQ(b.message->text(), " En option, lancement automatique d'un diaporama.");
    EXPECT_EQ(b.curseur.relances, 0);
    b.moteur->Timer1_Timer();
    // year = int(0.5 x (2010 - 2000)) + 2000, month = int(0.5 x 12) + 1
    EXPECT_EQ(b.curseur.relances, 1);
    EXPECT_EQ(b.curseur.anneeRelance, "2005");
    EXPECT_EQ(b.curseur.moisRelance, "7");
    EXPECT_EQ(b.message->text(), "Nouveau diaporama à partir de juillet 2005");
    EXPECT_EQ(b.messageBas->text(), "Diaporama à partir de juillet 2005");
    EXPECT_EQ(b.moteur->etat.EtapeFin, 0);
    b.moteur->Timer1_Timer();
    EXPECT_EQ(b.affiche(), "p1"); // the new slideshow
    Hasard::fixer({});
}

TEST(SlideshowMoteur, FirstEndKeepsLabelsEmptyAndALastVideoIsNotPlayed) {
    Banc b;
    b.moteur->etat.PremiereFin = true;
    b.photos(2);
    b.ajouter("film", "avi", "RIFF");
    int joues = 0;
    b.moteur->lecteurs.JoueVideoMci = [&](const ElementVisu&, const QString&) { ++joues; };
    Hasard::fixer([] { return 0.0; });
    b.demarrer();
    b.moteur->Marche_Click();
    b.moteur->Timer1_Timer(); // the video is the last record: the end, not the player
    EXPECT_EQ(joues, 0);
    EXPECT_EQ(b.message->text(), " Fin de la recherche.");
    b.moteur->Timer1_Timer();
    b.moteur->Timer1_Timer();
    b.moteur->Timer1_Timer();
    EXPECT_EQ(b.curseur.relances, 1);
    EXPECT_EQ(b.curseur.anneeRelance, "2000");
    EXPECT_EQ(b.curseur.moisRelance, "1");
    EXPECT_TRUE(b.message->text().isEmpty());
    EXPECT_TRUE(b.messageBas->text().isEmpty());
    EXPECT_FALSE(b.moteur->etat.PremiereFin);
    Hasard::fixer({});
}

TEST(SlideshowMoteur, ShortAndLongTextSlides) {
    Banc b;
    b.ajouter("long", "txt", texteDe(600).toLatin1());
    b.ajouter("court", "txt", texteDe(300).toLatin1());
    b.photos(2);
    b.demarrer();
    // 600 characters: the comment box, without its buttons.
    EXPECT_TRUE(b.frame4->isVisible());
    EXPECT_FALSE(b.valider->isVisible());
    EXPECT_FALSE(b.message1->isVisible());
    EXPECT_TRUE(b.ajoutTexte->toPlainText().contains("Ligne de commentaire 0."));
    EXPECT_GE(b.ajoutTexte->toPlainText().size(), 500);
    EXPECT_EQ(b.ajoutTexte->font().pointSize(), 11);
    EXPECT_FALSE(b.messageTexte->isVisible());
    EXPECT_EQ(b.message->text(), "long");
    EXPECT_TRUE(b.moteur->elementTexte());

    b.moteur->Marche3_Click();
    // 300 characters: the large label; the comment frame is put back as it was.
    EXPECT_FALSE(b.moteur->etat.TexteLong);
    EXPECT_FALSE(b.frame4->isVisible());
    EXPECT_FALSE(b.valider->isHidden());
    EXPECT_TRUE(b.messageTexte->isVisible());
    EXPECT_TRUE(b.messageTexte->text().startsWith("Ligne de commentaire 0."));
    EXPECT_EQ(b.messageTexte->geometry(), QRect(53, 53, 667, 267)); // 800, 800, W - 2000, 4000 twips

    b.moteur->Marche3_Click();
    EXPECT_EQ(b.affiche(), "p1");
    EXPECT_FALSE(b.messageTexte->isVisible());
    EXPECT_FALSE(b.frame4->isVisible());
}

TEST(SlideshowMoteur, TextSlideJoinsNonEmptyLinesUntil500Characters) {
    const QStringList court{"Un", "", "Deux"};
    const DiapositiveTexte::Decoupage c = DiapositiveTexte::decouper(court);
    EXPECT_FALSE(c.long_);
    EXPECT_EQ(c.texte, "Un\r\nDeux");

    // 497 + CR LF + "ab" reaches 501: everything goes to the comment box, empty lines after included.
    const QStringList limite{QString(497, 'x'), "ab", "", "fin"};
    const DiapositiveTexte::Decoupage l = DiapositiveTexte::decouper(limite);
    EXPECT_TRUE(l.long_);
    EXPECT_EQ(l.texte, QString(497, 'x') + "\r\nab\r\n\r\nfin");

    const QStringList juste{QString(495, 'x'), "ab"}; // 499: still short
    EXPECT_FALSE(DiapositiveTexte::decouper(juste).long_);
}

TEST(SlideshowMoteur, UnreadablePhotoIsToldAndTheSlideshowGoesOn) {
    Banc b;
    b.photos(1);
    b.ajouter("casse", "jpg", QByteArray("\xFF\xD8\xFF\xE0 tronque", 11));
    b.ajouter("p3", "jpg");
    b.ajouter("disparue", "jpg");
    QFile::remove(b.dossier.chemin("photos/disparue.jpg"));
    b.ajouter("p5", "jpg");
    b.ajouter("p6", "jpg");
    b.demarrer();
    b.moteur->Marche_Click();
    EXPECT_EQ(b.affiche(), "casse");
    EXPECT_EQ(b.message->text(), "Photo non lisible : " + b.dossier.chemin("photos") + "/casse.jpg");
    EXPECT_TRUE(b.image->image().isNull()); // cleared, never half drawn
    b.moteur->Timer1_Timer();
    EXPECT_EQ(b.affiche(), "p3");
    EXPECT_FALSE(b.image->image().isNull());

    // A missing file: the loading error messages, and on to the next.
    b.moteur->Timer1_Timer();
    EXPECT_EQ(b.message->text(), "Erreur chargement : " + b.dossier.chemin("photos") + "/disparue.jpg");
    EXPECT_EQ(b.messageBas->text(), "Erreur sur : " + b.dossier.chemin("photos") + "/disparue.jpg");
    b.moteur->Timer1_Timer();
    EXPECT_EQ(b.affiche(), "p5");
}

TEST(SlideshowMoteur, UnreadableLastPhotoEndsTheSelection) {
    Banc b;
    b.photos(1);
    b.ajouter("casse", "jpg", QByteArray("pas du tout un JPEG"));
    b.demarrer();
    b.moteur->Marche_Click(); // the broken last photo
    EXPECT_EQ(b.affiche(), "casse");
    for (int i = 0; i < 3; ++i)
        b.moteur->Timer1_Timer();
    // The end ran instead of showing the same broken photo for ever.
    EXPECT_EQ(b.curseur.relances, 1);
    b.moteur->Timer1_Timer();
    EXPECT_EQ(b.affiche(), "p1");
}

TEST(SlideshowMoteur, MediaGoToTheirPlayersAndTheSelectionWaits) {
    Banc b;
    b.photos(1);
    b.ajouter("clip", "avi", "RIFF");
    b.ajouter("clip2", "m99", "MPEG");
    b.ajouter("chanson", "mp3", "ID3");
    b.ajouter("film", "MOV", "moov");
    b.photos(1);
    QStringList joues;
    const auto lecteur = [&](const char* nom) {
        return [&joues, nom](const ElementVisu& e, const QString& chemin) {
            joues << QString("%1:%2:%3").arg(nom, e.VisuPhotoNom, QFileInfo(chemin).fileName());
        };
    };
    b.moteur->lecteurs.JoueVideoLecteur = lecteur("lecteur");
    b.moteur->lecteurs.JoueVideoMci = lecteur("mci");
    b.moteur->lecteurs.VideoSansLecteur = lecteur("sans");
    b.moteur->lecteurs.JoueMusiqueElement = lecteur("musique");
    b.moteur->lecteurs.JoueQuickTime = lecteur("quicktime");
    b.dossier.fichier("photos/clip2.mpeg", "MPEG");
    QFile::remove(b.dossier.chemin("photos/clip2.m99"));

    b.demarrer();
    b.moteur->Marche_Click();
    const int selections = b.curseur.selections;
    b.moteur->Timer1_Timer(); // the player took over: no advance
    b.moteur->Timer1_Timer();
    EXPECT_EQ(b.curseur.selections, selections);
    // Play and two ticks: the same video each time, as no player of this test moved on.
    EXPECT_EQ(joues, QStringList({"mci:clip:clip.avi", "mci:clip:clip.avi", "mci:clip:clip.avi"}));

    // The player advances the selection itself; with WindowsMediaPlayer imposed the next video
    // goes to it, its real file found through m99.
    b.moteur->reglages.ConfigCheck7 = true;
    joues.clear();
    b.curseur.RechercheSelection();
    b.moteur->Timer1_Timer();
    b.curseur.RechercheSelection();
    b.moteur->Timer1_Timer();
    b.curseur.RechercheSelection();
    b.moteur->Timer1_Timer();
    EXPECT_EQ(joues, QStringList({"lecteur:clip2:clip2.mpeg", "musique:chanson:chanson.mp3",
                                  "quicktime:film:film.MOV"}));
}

TEST(SlideshowMoteur, MissingPlayerMovesOn) {
    Banc b;
    b.ajouter("son", "wav", "RIFF");
    b.photos(2);
    b.demarrer();
    EXPECT_EQ(b.messageBas->text(), "son.wav");
    b.moteur->Timer1_Timer();
    EXPECT_EQ(b.affiche(), "p1");
}

TEST(SlideshowMoteur, ExportFailureStopsTheExportAndPauses) {
    BoiteEnregistreuse::Portee boite;
    Banc b;
    b.photos(3);
    bool exportEnCours = true;
    int fins = 0, copies = 0;
    b.moteur->crochets.exportActif = [&] { return exportEnCours; };
    b.moteur->crochets.nomCibleExport = [] { return QString("cible-0001.jpg"); };
    b.moteur->crochets.ExportPhotosFin = [&] {
        ++fins;
        exportEnCours = false;
    };
    b.moteur->crochets.copierExport = [&](const ElementVisu& e) {
        ++copies;
        CopieExport c;
        c.reussie = e.VisuPhotoNom != "p2";
        c.source = e.VisuPhotoNom;
        c.cible = "/export/" + e.VisuPhotoNom;
        return c;
    };
    b.demarrer();
    EXPECT_EQ(b.messageBas->text(), "cible-0001.jpg");
    b.moteur->Marche_Click();
    ASSERT_EQ(boite->messages.size(), 1);
    EXPECT_EQ(boite->messages[0].titre, "Information.");
    EXPECT_EQ(boite->messages[0].icone, Boite::Icone::Information);
    EXPECT_EQ(boite->messages[0].texte, "Fin Anormale d'Exportation de documents. Il y a un problème pour "
                                        "copier p2  vers /export/p2");
    EXPECT_EQ(fins, 1);
    EXPECT_EQ(b.moteur->etat.EnPause, 1);
    EXPECT_FALSE(b.timer.isActive());
    EXPECT_EQ(copies, 2);
}

TEST(SlideshowMoteur, MouseClickModeAndPhotoClickReachTheSlideshow) {
    Banc b;
    b.photos(6);
    b.demarrer();
    b.moteur->Marche_Click();
    ASSERT_EQ(b.affiche(), "p2");
    QTest::mouseClick(b.image, Qt::LeftButton, {}, QPoint(5, 5)); // a click on the photo pauses
    EXPECT_EQ(b.moteur->etat.EnPause, 1);
    b.moteur->ClickSouris_Click();
    // Away from the first click, so that it is not a double-click.
    QTest::mousePress(b.image, Qt::LeftButton, {}, QPoint(200, 150));
    QTest::mouseRelease(b.image, Qt::LeftButton, {}, QPoint(200, 150));
    EXPECT_EQ(b.affiche(), "p3");
    QTest::mousePress(b.image, Qt::RightButton, {}, QPoint(100, 60));
    EXPECT_EQ(b.affiche(), "p2");
}

TEST(SlideshowMoteur, HooksOfAShownPhoto) {
    Banc b;
    b.photos(7);
    b.moteur->reglages.MusiquePossible = true;
    b.moteur->reglages.MusiquePermanente = true;
    b.moteur->reglages.ConfigCheck11 = true;
    b.moteur->reglages.VocaleCheck19 = true;
    b.moteur->reglages.voixDisponible = true;
    int ambiances = 0;
    QStringList miniatures, paroles;
    b.moteur->crochets.AmbianceMP3Recherche = [&] { ++ambiances; };
    b.moteur->crochets.creerMiniature = [&](const ElementVisu& e) { miniatures << e.VisuPhotoNom; };
    b.moteur->crochets.Parole = [&](const QString& nom, const QString& type, int valide, int, int) {
        paroles << QString("%1.%2/%3").arg(nom, type).arg(valide);
    };
    b.demarrer();
    for (int i = 0; i < 5; ++i)
        b.moteur->Marche3_Click();
    EXPECT_EQ(ambiances, 1); // the background music is checked every 5 photos
    EXPECT_EQ(paroles.size(), 6);
    EXPECT_EQ(paroles.first(), "p1.jpg/0");
    // The thumbnail of each newly accepted JPEG, once.
    EXPECT_EQ(miniatures, QStringList({"p1", "p2", "p3", "p4", "p5", "p6"}));
    b.arriere->click();
    EXPECT_EQ(miniatures.size(), 6);
}

TEST(SlideshowMoteur, RedisplayedItemIsNeitherExportedNorWrittenAgain) {
    Banc b;
    b.photos(4);
    int copies = 0, pages = 0;
    b.moteur->crochets.exportActif = [] { return true; };
    b.moteur->crochets.copierExport = [&](const ElementVisu&) {
        ++copies;
        return CopieExport{};
    };
    b.moteur->crochets.generateurActif = [] { return true; };
    b.moteur->crochets.GenerateurHtmlPhoto = [&](const ElementVisu&) { ++pages; };
    b.demarrer();
    b.moteur->Marche3_Click();
    ASSERT_EQ(b.affiche(), "p2");
    // A photo tool changed the file: the item on screen is shown again, the selection stays.
    b.moteur->etat.ReaffichageVisu = true;
    b.moteur->AffichageDiaporama();
    EXPECT_EQ(b.affiche(), "p2");
    EXPECT_FALSE(b.moteur->etat.ReaffichageVisu);
    EXPECT_EQ(copies, 2);
    EXPECT_EQ(pages, 2);
    b.arriere->click();
    EXPECT_EQ(b.affiche(), "p1");
    EXPECT_EQ(copies, 2);
    EXPECT_EQ(pages, 2);
    // The item fetched ahead before the redisplay is not lost.
    b.moteur->Marche3_Click();
    b.moteur->Marche3_Click();
    EXPECT_EQ(b.affiche(), "p3");
}

TEST(SlideshowMoteur, RandomScreenSaverAndSingleFileModes) {
    {
        // The random slideshow draws the next photo instead of walking the selection.
        Banc b;
        b.photos(3);
        b.curseur.modeAleatoire = true;
        b.demarrer();
        EXPECT_EQ(b.curseur.tirages, 1);
        EXPECT_EQ(b.curseur.selections, 1);
    }
    {
        // The random screen saver draws again at each photo; the plain one loops over its selection.
        Banc b;
        b.photos(2);
        b.curseur.veille = true;
        b.curseur.veilleAleatoire = true;
        b.demarrer();
        EXPECT_EQ(b.curseur.tirages, 1);
        b.curseur.veilleAleatoire = false;
        b.curseur.eof = true;
        b.curseur.dernierRetenu = false;
        b.moteur->RechercheFin();
        EXPECT_EQ(b.curseur.position, 1); // opened again and the first item fetched
        EXPECT_EQ(b.moteur->etat.EtapeFin, 0);
    }
    {
        // Started on one music file: play goes straight to a new slideshow, and the first end asks for
        // a search.
        Banc b;
        b.photos(2);
        b.moteur->etat.PremiereFin = true;
        b.moteur->etat.DirectDemarrageMp3 = true;
        Hasard::fixer([] { return 0.25; });
        b.moteur->Marche_Click();
        EXPECT_EQ(b.curseur.relances, 1);
        EXPECT_EQ(b.message->text(), "Appuyer sur le bouton Recherche.");
        EXPECT_EQ(b.messageBas->text(), "Appuyer sur le bouton Recherche.");
        EXPECT_TRUE(b.timer.isActive());
        // The next start-up end clears the single-file flags.
        b.moteur->Marche_Click();
        EXPECT_EQ(b.curseur.relances, 2);
        EXPECT_EQ(b.message->text(), "Nouveau diaporama à partir de avril 2002");
        EXPECT_FALSE(b.moteur->etat.DirectDemarrageMp3);
        Hasard::fixer({});
    }
}
