#include "CheminMedia.h"
#include "DossierTest.h"

#include <gtest/gtest.h>

TEST(SlideshowChemin, TrailingSpaceMarkerBecomesASpaceAgain) {
    EXPECT_EQ(CheminMedia::nomReel(QStringLiteral("Plage") + QChar(2)), QStringLiteral("Plage "));
    EXPECT_EQ(CheminMedia::nomReel(QStringLiteral("Plage")), QStringLiteral("Plage"));
    EXPECT_EQ(CheminMedia::cheminTexte("/photos/2004", QStringLiteral("Plage") + QChar(2), "jpg"),
              QStringLiteral("/photos/2004/Plage .jpg"));
    // A root folder keeps its single separator.
    EXPECT_EQ(CheminMedia::cheminTexte("/", "a", "jpg"), QStringLiteral("/a.jpg"));
}

TEST(SlideshowChemin, FindsTheRealFileOfANormalisedRecord) {
    DossierTest d;
    const QString exact = d.fichier("p/Exact.jpg", "x");
    const QString camera = d.fichier("p/IMG_1.JpG", "x");
    const QString film = d.fichier("p/Clip.MPEG", "x");
    const QString quicktime = d.fichier("p/Film.mov", "x");
    const QString espace = d.fichier("p/Fin .JPG", "x");
    const QString rep = d.chemin("p");

    struct Cas {
        const char* nom;
        const char* type;
        QString attendu;
    };
    const Cas cas[] = {
        {"Exact", "jpg", exact},    // exact path wins
        {"IMG_1", "jpg", camera},   // stored jpg, file JpG
        {"Clip", "m99", film},      // m99 stands for mpeg
        {"Film", "MOV", quicktime}, // stored MOV, file mov
        {"Fin\x02", "JPG", espace}, // marker and extension together
    };
    for (const Cas& c : cas)
        EXPECT_EQ(CheminMedia::fichierReel(rep, QString::fromLatin1(c.nom), c.type), c.attendu) << c.nom;

    // Nothing matches: the rebuilt path, which the caller reports as missing.
    EXPECT_EQ(CheminMedia::fichierReel(rep, "Absent", "jpg"), rep + "/Absent.jpg");
    EXPECT_EQ(CheminMedia::fichierReel(d.chemin("nulle-part"), "x", "jpg"),
              d.chemin("nulle-part") + "/x.jpg");
}
