#include "ParcoursSimple.h"

#include <QFile>

#include <string>

#include <dirent.h>

namespace {

long parcourir(std::string& chemin) {
    DIR* d = ::opendir(chemin.c_str());
    if (!d)
        return 0;
    long n = 0;
    const size_t longueur = chemin.size();
    while (const dirent* e = ::readdir(d)) {
        if (e->d_name[0] == '.' && (e->d_name[1] == '\0' || (e->d_name[1] == '.' && e->d_name[2] == '\0')))
            continue;
        ++n;
        if (e->d_type == DT_DIR) {
            chemin += '/';
            chemin += e->d_name;
            n += parcourir(chemin);
            chemin.resize(longueur);
        }
    }
    ::closedir(d);
    return n;
}

} // namespace

long parcourirSimplement(const QString& racine) {
    std::string chemin = QFile::encodeName(racine).toStdString();
    return parcourir(chemin);
}
