#include "LigneCommande.h"

#include <gtest/gtest.h>

namespace {

struct Cas {
    QStringList arguments;
    LigneCommande::Mode mode;
    QString fichier;
    qulonglong fenetre = 0;
};

TEST(StartupLigneCommande, SwitchesMatchTheWholeArgumentAndPathsAreFiles) {
    using M = LigneCommande::Mode;
    const Cas cas[] = {
        {{}, M::Normal, {}},
        {{"/s"}, M::Veille, {}},
        {{"-S"}, M::Veille, {}},
        {{"s"}, M::Veille, {}},
        {{"/c"}, M::ReglageVeille, {}},
        {{"/c:1234"}, M::ReglageVeille, {}},
        {{"/p", "4242"}, M::Apercu, {}, 4242},
        {{"/p 77"}, M::Apercu, {}, 77},
        {{"/a"}, M::Rien, {}},
        // Paths that begin like a switch are files.
        {{"/srv/photos/x.jpg"}, M::Normal, "/srv/photos/x.jpg"},
        {{"/photos/y.jpg"}, M::Normal, "/photos/y.jpg"},
        {{"/certs/a.jpg"}, M::Normal, "/certs/a.jpg"},
        {{"/album.jpg"}, M::Normal, "/album.jpg"},
        // One pair of quotes removed; a name split by the shell joined back.
        {{"\"/home/moi/Mes photos/Plage.jpg\""}, M::Normal, "/home/moi/Mes photos/Plage.jpg"},
        {{"/home/moi/Mes", "photos/Plage.jpg"}, M::Normal, "/home/moi/Mes photos/Plage.jpg"},
    };
    for (const Cas& c : cas) {
        const LigneCommande l = LigneCommande::analyser(c.arguments);
        EXPECT_EQ(l.mode, c.mode) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(l.fichier, c.fichier) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(l.fenetre, c.fenetre) << c.arguments.join(' ').toStdString();
    }
}

} // namespace
