// Reads arbitrary bytes as a photo, reads and describes its EXIF, sets a few values, rebuilds the
// segment and writes the photo back, then checks that the written photo reads again with the same
// image data. Any crash, hang, out-of-bounds read or failed check is a finding.
#include <DictionnaireExif.h>
#include <FichierJpeg.h>
#include <LecteurExif.h>
#include <ModificationExif.h>
#include <PhotoExif.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

const QTemporaryDir& dossier() {
    static const QTemporaryDir d;
    return d;
}

QByteArray lireTout(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void verifier(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    const QString source = dossier().filePath(QStringLiteral("source.jpg"));
    const QString cible = dossier().filePath(QStringLiteral("cible.jpg"));
    {
        QFile f(source);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            return 0;
        }
        f.write(reinterpret_cast<const char*>(donnees), qint64(taille));
    }
    FichierJpeg photo;
    if (!photo.lire(source)) {
        return 0;
    }
    BlocExif bloc = lireExif(photo);
    for (const Ifd* ifd : {&bloc.ifd0, &bloc.ifd1, &bloc.exif, &bloc.gps, &bloc.interop}) {
        for (const EntreeIfd& entree : ifd->entrees) {
            (void)nomEtTexteExif(entree);
        }
    }
    if (taille % 2 == 0) {
        definirTexteXp(bloc, TagXpTitre, QStringLiteral("Noël à Paris œ €"));
        definirTexteExif(bloc, SelecteurExif, 36867, QStringLiteral("2004:06:15 10:20:30"));
    }
    const bool place = placerExif(photo, bloc);
    if (!photo.ecrire(cible)) {
        return 0;
    }
    FichierJpeg relue;
    verifier(relue.lire(cible));
    verifier(relue.aDesDonneesImage());
    verifier(lireTout(cible).mid(relue.positionImage()) ==
             QByteArray::fromRawData(reinterpret_cast<const char*>(donnees) + photo.positionImage(),
                                     qsizetype(taille) - photo.positionImage()));
    const BlocExif relu = lireExif(relue);
    if (taille % 2 == 0 && place) {
        const EntreeIfd* titre = relu.ifd0.trouver(TagXpTitre);
        verifier(titre != nullptr && titre->donnees == bloc.ifd0.trouver(TagXpTitre)->donnees);
    }
    return 0;
}
