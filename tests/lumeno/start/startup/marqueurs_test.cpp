#include "DossierTest.h"
#include "MarqueursMiseAJour.h"
#include "TexteFichier.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

TEST(StartupMarqueurs, DownloadMarkerDeletesOnlyTheUpdateArchive) {
    DossierTest d;
    d.dossier("prog");
    const QString archive = d.fichier("Telechargements/Lumeno00.exe", "zip");
    const QString photo = d.fichier("Photos/Plage.jpg", "jpeg");
    struct Cas {
        QString nomme;
        QString attendu; // the file that must be gone, or empty
        QString garde;   // a file that must stay
    };
    const Cas cas[] = {
        {photo, {}, photo},                           // not the archive: kept
        {d.chemin("Photos"), {}, d.chemin("Photos")}, // a folder: kept
        {d.chemin("absent/Lumeno00.exe"), {}, {}},    // missing: nothing
        {archive, archive, {}},
    };
    for (const Cas& c : cas) {
        ASSERT_TRUE(
            TexteFichier::ecrire(d.chemin("prog/LumenoLog5.tmp"), {c.nomme, d.chemin("Telechargements")}));
        MarqueursMiseAJour::nettoyerTelechargement(d.chemin("prog"));
        EXPECT_FALSE(QFileInfo::exists(d.chemin("prog/LumenoLog5.tmp"))) << c.nomme.toStdString();
        if (!c.attendu.isEmpty())
            EXPECT_FALSE(QFileInfo::exists(c.attendu));
        if (!c.garde.isEmpty())
            EXPECT_TRUE(QFileInfo::exists(c.garde)) << c.garde.toStdString();
    }
}

TEST(StartupMarqueurs, NewUtilityReplacesTheOldOneThroughATemporaryName) {
    DossierTest d;
    d.fichier("LumenoMaj", "ancien");
    EXPECT_EQ(MarqueursMiseAJour::remplacerUtilitaire(d.chemin()),
              MarqueursMiseAJour::Remplacement::Manquant);
    EXPECT_EQ(contenu(d.chemin("LumenoMaj")), "ancien");

    d.fichier("LumenoMajExe.tmp", "nouveau");
    EXPECT_EQ(MarqueursMiseAJour::remplacerUtilitaire(d.chemin()), MarqueursMiseAJour::Remplacement::Fait);
    EXPECT_EQ(contenu(d.chemin("LumenoMaj")), "nouveau");
    EXPECT_TRUE(QFileInfo(d.chemin("LumenoMaj")).isExecutable());
    // The source stays until the next state deletes it; no temporary file is left.
    EXPECT_TRUE(QFileInfo::exists(d.chemin("LumenoMajExe.tmp")));
    EXPECT_FALSE(QFileInfo::exists(d.chemin("LumenoMaj.nouveau")));
}

} // namespace
