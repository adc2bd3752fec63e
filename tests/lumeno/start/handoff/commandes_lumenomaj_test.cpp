#include "BoiteEnregistreuse.h"
#include "CommandesLumenoMaj.h"
#include "DossierTest.h"
#include "LanceurEnregistreur.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace CommandesLumenoMaj;

namespace {

QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(absent)");
}

struct Banc {
    DossierTest dossier;
    LanceurEnregistreur::Portee lanceur;
    BoiteEnregistreuse::Portee boite;
    QByteArray commande() { return contenu(dossier.chemin("LumenoMaj.ini")); }
};

} // namespace

// These bytes are the ones LumenoMaj's own tests read back.
TEST(LumenoHandoffCommandes, EachCommandIsWrittenExactlyAndStartsLumenoMajInTheProgramFolder) {
    struct Cas {
        const char* nom;
        std::function<Resultat(const QString&)> ecrire;
        QByteArray attendu;
    };
    const Cas cas[] = {
        {"propriétés",
         [](const QString& p) {
             return lancerExif(p, ModeExif::LecturePhoto, "/photos/2004 Été", "2004-06-Mer.JPG", "");
         },
         "Exif\r\nLecturePhoto\r\n/photos/2004 \xC9t\xE9/\r\n2004-06-Mer.JPG\r\nAAAA-MM\r\n"},
        {"renommage",
         [](const QString& p) {
             return lancerExif(p, ModeExif::DateExif, "/photos/", "IMG_0001.jpeg", "AAAAMMJJ");
         },
         "Exif\r\nDateExif\r\n/photos/\r\nIMG_0001.jpeg\r\nAAAAMMJJ\r\n"},
        {"remplissage",
         [](const QString& p) {
             return lancerExif(p, ModeExif::EcrireDossier, "/photos/2004", "2004-06-Mer.Nice.jpg", "AAAA-MM");
         },
         "Exif\r\nEcrireDossier\r\n/photos/2004/\r\n2004-06-Mer.Nice\r\nAAAA-MM\r\n"},
        {"remplissage sans photo affichée",
         [](const QString& p) { return lancerExif(p, ModeExif::EcrireDossier, "/photos/2004/", "", ""); },
         "Exif\r\nEcrireDossier\r\n/photos/2004/\r\n\r\nAAAA-MM\r\n"},
        {"nom hors Windows-1252",
         [](const QString& p) { return lancerExif(p, ModeExif::LecturePhoto, "/photos/東京", "夜.jpg", ""); },
         "\xEF\xBB\xBF" +
             QStringLiteral("Exif\r\nLecturePhoto\r\n/photos/東京/\r\n夜.jpg\r\nAAAA-MM\r\n").toUtf8()},
        {"liste PHP", [](const QString& p) { return lancerMajPhp(p, "/srv/www/photos"); },
         "MajPHP-/srv/www/photos\r\n"},
        {"liste PHP sans dossier", [](const QString& p) { return lancerMajPhp(p, ""); }, "MajPHP-\r\n"},
        {"registre", [](const QString& p) { return lancerRegedit(p); }, "Regedit\r\n"},
    };
    for (const Cas& c : cas) {
        Banc banc;
        banc.dossier.fichier("LumenoMaj.ini", "ancienne commande\r\n");
        EXPECT_EQ(c.ecrire(banc.dossier.chemin()), Resultat::Lance) << c.nom;
        EXPECT_EQ(banc.commande(), c.attendu) << c.nom;
        ASSERT_EQ(banc.lanceur->demarrages.size(), 1) << c.nom;
        EXPECT_EQ(banc.lanceur->demarrages[0].programme, banc.dossier.chemin("LumenoMaj")) << c.nom;
        EXPECT_TRUE(banc.lanceur->demarrages[0].arguments.isEmpty()) << c.nom;
        EXPECT_EQ(banc.lanceur->demarrages[0].dossierTravail, banc.dossier.chemin()) << c.nom;
        EXPECT_TRUE(banc.boite->messages.isEmpty()) << c.nom;
    }
}

TEST(LumenoHandoffCommandes, PhotoJobsNeedAJpegPhoto) {
    Banc banc;
    EXPECT_EQ(lancerExif(banc.dossier.chemin(), ModeExif::LecturePhoto, "/photos/", "", ""),
              Resultat::Refuse);
    EXPECT_EQ(lancerExif(banc.dossier.chemin(), ModeExif::DateExif, "/photos/", "", ""), Resultat::Refuse);
    EXPECT_TRUE(banc.boite->messages.isEmpty()); // no photo on display: nothing happens

    EXPECT_EQ(lancerExif(banc.dossier.chemin(), ModeExif::LecturePhoto, "/photos/", "Plage.png", ""),
              Resultat::Refuse);
    ASSERT_EQ(banc.boite->messages.size(), 1);
    EXPECT_EQ(banc.boite->messages[0].icone, Boite::Icone::Information);
    EXPECT_EQ(banc.boite->messages[0].titre, "Lumeno");
    EXPECT_TRUE(banc.boite->messages[0].texte.contains("Plage.png n'est pas une photo JPEG"));
    EXPECT_EQ(banc.commande(), "(absent)");
    EXPECT_TRUE(banc.lanceur->demarrages.isEmpty());
}

TEST(LumenoHandoffCommandes, FailuresAreToldWithTheirMessages) {
    struct Cas {
        const char* nom;
        std::function<Resultat(const QString&)> lancer;
        bool ecritureImpossible;
        Resultat attendu;
        const char* titre;
        const char* texte;
    };
    const auto exif = [](const QString& p) {
        return lancerExif(p, ModeExif::LecturePhoto, "/p/", "a.jpg", "");
    };
    const auto php = [](const QString& p) { return lancerMajPhp(p, "/srv"); };
    const Cas cas[] = {
        {"Exif, lancement", exif, false, Resultat::EchecLancement, "Lumeno",
         "Le logiciel Exif IPTC LumenoMaj.exe n'est pas opérationnel."},
        {"PHP, lancement", php, false, Resultat::EchecLancement, "Lumeno",
         "Le logiciel de reboot (LumenoMaj.exe) n'est pas opérationnel."},
        {"PHP, écriture", php, true, Resultat::EchecEcriture, "Erreur",
         "Plantage au lancement de la modification du fichier PHP My Base ! Pourquoi ?"},
        {"Exif, écriture", exif, true, Resultat::EchecEcriture, "Erreur",
         "Plantage à l'écriture du fichier "},
    };
    for (const Cas& c : cas) {
        Banc banc;
        banc.lanceur->reussite = false;
        if (c.ecritureImpossible)
            banc.dossier.dossier("LumenoMaj.ini"); // a folder in the way of the file
        EXPECT_EQ(c.lancer(banc.dossier.chemin()), c.attendu) << c.nom;
        ASSERT_EQ(banc.boite->messages.size(), 1) << c.nom;
        EXPECT_EQ(banc.boite->messages[0].icone, Boite::Icone::Information) << c.nom;
        EXPECT_EQ(banc.boite->messages[0].titre, c.titre) << c.nom;
        EXPECT_TRUE(banc.boite->messages[0].texte.startsWith(QString::fromUtf8(c.texte))) << c.nom;
        // A command that could not be written never starts LumenoMaj.
        EXPECT_EQ(banc.lanceur->demarrages.size(), c.ecritureImpossible ? 0 : 1) << c.nom;
    }
    EXPECT_TRUE(doitQuitter(Resultat::Lance));
    EXPECT_TRUE(doitQuitter(Resultat::EchecLancement));
    EXPECT_FALSE(doitQuitter(Resultat::EchecEcriture));
}
