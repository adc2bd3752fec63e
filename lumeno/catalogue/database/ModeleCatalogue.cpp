// Writes the empty catalogue template given on the command line.
#include "Catalogue.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <Lumeno2.mdb>\n", argv[0]);
        return 2;
    }
    const QString chemin = QString::fromLocal8Bit(argv[1]);
    try {
        Catalogue::creer(chemin);
    } catch (const SqliteError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    if (QFileInfo(chemin).size() < Catalogue::TailleMiniModele) {
        std::fprintf(stderr, "%s: the template is smaller than %lld bytes\n", argv[1],
                     static_cast<long long>(Catalogue::TailleMiniModele));
        return 1;
    }
    return 0;
}
