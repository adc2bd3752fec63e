#include "Aiguillage.h"
#include "DossierTest.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

const QByteArray kExif("Exif\r\nLecturePhoto\r\n/p/\r\na.jpg\r\nAAAA-MM\r\n");

} // namespace

TEST(LumenomajHandoffAiguillage, MarkersAndCommandFileChooseTheJob) {
    struct Cas {
        const char* nom;
        QStringList marqueurs;
        std::optional<QByteArray> commande; // none: no command file
        Travail::Genre attendu;
    };
    const Cas cas[] = {
        {"rien", {}, std::nullopt, Travail::Genre::LancerLumeno},
        {"commande Exif laissée par un lancement précédent", {}, kExif, Travail::Genre::Commande},
        {"commande sans travail", {}, "Bonjour\r\n", Travail::Genre::LancerLumeno},
        {"fichier de commande vide", {}, "", Travail::Genre::LancerLumeno},
        {"mise à jour demandée : la commande est ignorée", {"LumenoLog1.tmp"}, kExif, Travail::Genre::Phase1},
        {"phase 2 avant phase 1",
         {"LumenoLog1.tmp", "LumenoLog3.tmp", "LumenoLog4.tmp"},
         kExif,
         Travail::Genre::Phase2},
        {"marqueur 3 seul", {"LumenoLog3.tmp"}, std::nullopt, Travail::Genre::Phase2},
        {"commande avant marqueur 3", {"LumenoLog3.tmp"}, "Regedit\r\n", Travail::Genre::Commande},
        {"commande sans travail puis marqueur 3", {"LumenoLog3.tmp"}, "exif\r\n", Travail::Genre::Phase2},
        {"phase 2 faite", {"LumenoLog4.tmp"}, std::nullopt, Travail::Genre::LancerLumeno},
        {"seulement le téléchargement", {"LumenoLog5.tmp"}, std::nullopt, Travail::Genre::LancerLumeno},
    };
    for (const Cas& c : cas) {
        DossierTest dossier;
        for (const QString& m : c.marqueurs)
            dossier.fichier(m, "/source\r\n");
        if (c.commande)
            dossier.fichier("LumenoMaj.ini", *c.commande);
        const Travail travail = Aiguillage::choisir(dossier.chemin());
        EXPECT_EQ(travail.genre, c.attendu) << c.nom;
        EXPECT_TRUE(travail.remarques.isEmpty()) << c.nom;
    }
}

TEST(LumenomajHandoffAiguillage, ReadsACommandFileInUtf8WithBom) {
    DossierTest dossier;
    dossier.fichier("LumenoMaj.ini",
                    "\xEF\xBB\xBF" + QStringLiteral("Exif\r\nLecturePhoto\r\n/photos/東京/\r\n"
                                                    "été.jpg\r\nAAAA-MM\r\n")
                                         .toUtf8());
    const Travail travail = Aiguillage::choisir(dossier.chemin());
    ASSERT_EQ(travail.genre, Travail::Genre::Commande);
    EXPECT_EQ(std::get<CommandeExif>(travail.commande).cheminPhoto, "/photos/東京/été.jpg");
}

TEST(LumenomajHandoffAiguillage, AnUnreadableCommandFileIsReportedAndSkipped) {
    DossierTest dossier;
    dossier.dossier("LumenoMaj.ini"); // exists, cannot be read as a file
    const Travail travail = Aiguillage::choisir(dossier.chemin());
    EXPECT_EQ(travail.genre, Travail::Genre::LancerLumeno);
    ASSERT_EQ(travail.remarques.size(), 1);
    EXPECT_TRUE(travail.remarques.first().contains("LumenoMaj.ini"));
}

// The files exactly as Lumeno writes them (its own tests check the same bytes).
TEST(LumenomajHandoffAiguillage, CommandsWrittenByLumenoAreReadAsTheirJob) {
    struct Cas {
        QByteArray fichier;
        const char* attendu;
    };
    const Cas cas[] = {
        {"Exif\r\nLecturePhoto\r\n/photos/2004 \xC9t\xE9/\r\n2004-06-Mer.JPG\r\nAAAA-MM\r\n",
         "Exif 0 /photos/2004 Été/2004-06-Mer.JPG 2004-06-Mer 00"},
        {"Exif\r\nDateExif\r\n/photos/\r\nIMG_0001.jpeg\r\nAAAAMMJJ\r\n",
         "Exif 1 /photos/IMG_0001.jpeg IMG_0001 11"},
        {"Exif\r\nEcrireDossier\r\n/photos/2004/\r\n2004-06-Mer.Nice\r\nAAAA-MM\r\n",
         "Exif 2 /photos/2004/2004-06-Mer.Nice 2004-06-Mer.Nice 00"},
        {"Exif\r\nEcrireDossier\r\n/photos/2004/\r\n\r\nAAAA-MM\r\n", "Exif 2 /photos/2004/  00"},
        {"\xEF\xBB\xBF" +
             QStringLiteral("Exif\r\nLecturePhoto\r\n/photos/東京/\r\n夜.jpg\r\nAAAA-MM\r\n").toUtf8(),
         "Exif 0 /photos/東京/夜.jpg 夜 00"},
        {"MajPHP-/srv/www/photos\r\n", "MajPHP /srv/www/photos"},
        {"MajPHP-\r\n", "MajPHP "},
        {"Regedit\r\n", "Regedit"},
    };
    for (const Cas& c : cas) {
        DossierTest dossier;
        dossier.fichier("LumenoMaj.ini", c.fichier);
        const Travail travail = Aiguillage::choisir(dossier.chemin());
        ASSERT_EQ(travail.genre, Travail::Genre::Commande) << c.attendu;
        QString lu;
        if (const auto* e = std::get_if<CommandeExif>(&travail.commande))
            lu = QStringLiteral("Exif %1 %2 %3 %4%5")
                     .arg(int(e->mode))
                     .arg(e->cheminPhoto, e->nomBase)
                     .arg(int(e->formatCompact))
                     .arg(int(e->formatJour));
        else if (const auto* p = std::get_if<CommandeMajPhp>(&travail.commande))
            lu = "MajPHP " + p->dossier;
        else if (std::holds_alternative<CommandeRegedit>(travail.commande))
            lu = "Regedit";
        EXPECT_EQ(lu, QString::fromUtf8(c.attendu));
    }
}
