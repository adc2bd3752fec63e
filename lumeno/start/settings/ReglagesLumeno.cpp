#include "ReglagesLumeno.h"

#include <QDir>
#include <QStandardPaths>

ReglagesLumeno ReglagesLumeno::parDefaut() {
    ReglagesLumeno r;
    QString images = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (images.isEmpty() || !QDir(images).exists())
        images = QDir::homePath();
    for (RacineCatalogue& racine : r.racines)
        racine.chemin = images;
    r.racines[0].cochee = true;
    return r;
}
