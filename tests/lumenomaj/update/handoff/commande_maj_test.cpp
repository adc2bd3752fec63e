#include "CommandeMaj.h"

#include <gtest/gtest.h>

namespace {

const char* genre(const CommandeMaj& c) {
    if (std::holds_alternative<CommandeExif>(c))
        return "Exif";
    if (std::holds_alternative<CommandeMajPhp>(c))
        return "MajPHP";
    if (std::holds_alternative<CommandeRegedit>(c))
        return "Regedit";
    if (std::holds_alternative<CommandeRefusee>(c))
        return "Refus";
    return "Aucune";
}

QStringList exif(const QString& mode, const QString& nom, const QString& format = "AAAA-MM") {
    return {"Exif", mode, "/photos/2004 Vacances/", nom, format};
}

} // namespace

TEST(LumenomajHandoffCommande, FirstLineNamesTheJob) {
    struct Cas {
        QStringList lignes;
        const char* genre;
        QString dossierPhp;
    };
    const Cas cas[] = {
        {exif("LecturePhoto", "a.jpg"), "Exif", {}},
        {{" Exif ", "EcrireDossier", "/p/", "a"}, "Exif", {}},
        {{"exif", "EcrireDossier", "/p/", "a"}, "Aucune", {}},
        {{"EXIF"}, "Aucune", {}},
        {{"MajPHP-/srv/www/photos"}, "MajPHP", "/srv/www/photos"},
        {{"  MajPHP-/srv/www/mes photos  "}, "MajPHP", "/srv/www/mes photos"},
        {{"MajPHP-"}, "MajPHP", ""},
        {{"MajPH"}, "Aucune", {}},
        {{"majPHP-/x"}, "Aucune", {}},
        {{"Regedit"}, "Regedit", {}},
        {{"regedit"}, "Regedit", {}},
        {{"REGEDIT"}, "Aucune", {}},
        {{"Tableau de bord"}, "Aucune", {}},
        {{""}, "Aucune", {}},
        {{}, "Aucune", {}},
    };
    for (const Cas& c : cas) {
        const CommandeMaj commande = CommandesMaj::analyser(c.lignes);
        EXPECT_STREQ(genre(commande), c.genre) << c.lignes.join('|').toStdString();
        if (const auto* php = std::get_if<CommandeMajPhp>(&commande))
            EXPECT_EQ(php->dossier, c.dossierPhp);
    }
}

TEST(LumenomajHandoffCommande, ExifLinesGiveModeNamesAndFormatFlags) {
    struct Cas {
        QStringList lignes;
        ModeExif mode;
        QString nomBase;
        bool compact;
        bool jour;
    };
    const Cas cas[] = {
        {exif("LecturePhoto", "2004-06-Mer.jpg"), ModeExif::LecturePhoto, "2004-06-Mer", false, false},
        {exif("Lecture", "2004-06-Mer.JPG", "AAAAMM"), ModeExif::LecturePhoto, "2004-06-Mer", true, false},
        {exif("LecturePhoto", "Plage.Nice.jpeg", "AAAAMMJJ"), ModeExif::LecturePhoto, "Plage.Nice", true,
         true},
        {exif("DateExif", "IMG_0001.JPG", "AAAA-MM-JJ"), ModeExif::DateExif, "IMG_0001", false, false},
        {exif("DateExifXX", "IMG_0001.jpeg", "AAAA-MJJ"), ModeExif::DateExif, "IMG_0001", false, true},
        {exif("EcrireDossier", "2004-06-Mer"), ModeExif::EcrireDossier, "2004-06-Mer", false, false},
        // The folder job names the base name alone: a dot in it is part of the name.
        {exif("EcrireDossier", "2004-06-Mer.Nice"), ModeExif::EcrireDossier, "2004-06-Mer.Nice", false,
         false},
        {exif("Autre", ""), ModeExif::EcrireDossier, "", false, false},
        {exif("Lectur", "a"), ModeExif::EcrireDossier, "a", false, false},
        {exif("EcrireDossier", "a", "AAAAM"), ModeExif::EcrireDossier, "a", false, false},
        {exif("EcrireDossier", "a", "AAAAMMJ"), ModeExif::EcrireDossier, "a", true, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.lignes.join('|').toStdString());
        const CommandeMaj commande = CommandesMaj::analyser(c.lignes);
        const auto* e = std::get_if<CommandeExif>(&commande);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->mode, c.mode);
        EXPECT_EQ(e->motMode, c.lignes[1]);
        EXPECT_EQ(e->dossier, "/photos/2004 Vacances/");
        EXPECT_EQ(e->nomFichier, c.lignes[3]);
        EXPECT_EQ(e->nomBase, c.nomBase);
        EXPECT_EQ(e->cheminPhoto, "/photos/2004 Vacances/" + c.lignes[3]);
        EXPECT_EQ(e->formatNoms, c.lignes[4]);
        EXPECT_EQ(e->formatCompact, c.compact);
        EXPECT_EQ(e->formatJour, c.jour);
    }
}

TEST(LumenomajHandoffCommande, IncompleteOrNonJpegExifCommandsAreRefused) {
    const QStringList refusees[] = {
        {"Exif"},
        {"Exif", "LecturePhoto"},
        {"Exif", "LecturePhoto", "/p/"},
        {"Exif", "LecturePhoto", "/p/", "film.mp4", "AAAA-MM"},
        {"Exif", "LecturePhoto", "/p/", "image.png", "AAAA-MM"},
        {"Exif", "LecturePhoto", "/p/", "sans-extension", "AAAA-MM"},
    };
    for (const QStringList& lignes : refusees) {
        const CommandeMaj commande = CommandesMaj::analyser(lignes);
        ASSERT_TRUE(std::holds_alternative<CommandeRefusee>(commande)) << lignes.join('|').toStdString();
        EXPECT_FALSE(std::get<CommandeRefusee>(commande).raison.isEmpty());
    }
    // A folder without its final separator is completed; missing name and format lines read empty.
    const CommandeMaj dossier = CommandesMaj::analyser({"Exif", "EcrireDossier", "/p"});
    ASSERT_TRUE(std::holds_alternative<CommandeExif>(dossier));
    EXPECT_EQ(std::get<CommandeExif>(dossier).dossier, "/p/");
    EXPECT_EQ(std::get<CommandeExif>(dossier).formatNoms, "");
}
