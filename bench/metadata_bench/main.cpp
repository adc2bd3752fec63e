// metadata_bench read DIR            parses the metadata of every JPEG of DIR many times, ours against
//                                    libexiv2 over the same files, and prints files per second.
// metadata_bench roundtrip DIR OUT   reads each JPEG of DIR and writes it back unchanged into OUT.
#include <DictionnaireExif.h>
#include <FichierJpeg.h>
#include <LecteurExif.h>
#include <PhotoExif.h>
#ifdef METADATA_BENCH_IPTC
#include <BlocIptc.h>
#endif

#include <exiv2/exiv2.hpp>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>

namespace {

QStringList photos(const QString& dossier) {
    QStringList chemins;
    const QDir d(dossier);
    const QStringList filtres{QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")};
    for (const QFileInfo& info : d.entryInfoList(filtres, QDir::Files, QDir::Name)) {
        chemins << info.absoluteFilePath();
    }
    return chemins;
}

// Reads everything: segments, every EXIF directory, the IPTC datasets; touches every value so that
// nothing is skipped by the optimiser.
qint64 lireNous(const QString& chemin) {
    FichierJpeg photo;
    if (!photo.lire(chemin)) {
        return 0;
    }
    const BlocExif bloc = lireExif(photo);
    qint64 somme = bloc.miniature.size();
    for (const Ifd* ifd : {&bloc.ifd0, &bloc.ifd1, &bloc.exif, &bloc.gps, &bloc.interop}) {
        for (const EntreeIfd& entree : ifd->entrees) {
            somme += entree.donnees.size() + entree.tag;
        }
    }
#ifdef METADATA_BENCH_IPTC
    if (!photo.chargesApp13().isEmpty()) {
        const BlocIptc iptc = BlocIptc::lireCharges(photo.chargesApp13());
        for (const DonneeIptc& donnee : iptc.donnees()) {
            somme += donnee.donnees.size();
        }
    }
#endif
    return somme;
}

qint64 lireExiv2(const QString& chemin) {
    try {
        auto image = Exiv2::ImageFactory::open(chemin.toStdString());
        image->readMetadata();
        qint64 somme = 0;
        for (const auto& donnee : image->exifData()) {
            somme += donnee.size() + donnee.tag();
        }
        for (const auto& donnee : image->iptcData()) {
            somme += donnee.size();
        }
        return somme;
    } catch (const Exiv2::AnyError&) {
        return 0;
    }
}

// Runs the reader over every file as many rounds as fit in about the given time; files per second.
template <typename Lecteur>
double debit(const QStringList& chemins, Lecteur lecteur, qint64 millisecondes, qint64* somme) {
    QElapsedTimer chrono;
    chrono.start();
    qint64 fichiers = 0;
    do {
        for (const QString& chemin : chemins) {
            *somme += lecteur(chemin);
        }
        fichiers += chemins.size();
    } while (chrono.elapsed() < millisecondes);
    return double(fichiers) * 1000.0 / double(qMax<qint64>(1, chrono.nsecsElapsed() / 1000000));
}

int lire(const QString& dossier) {
    const QStringList chemins = photos(dossier);
    if (chemins.isEmpty()) {
        std::fprintf(stderr, "Aucune photo JPEG dans %s\n", qPrintable(dossier));
        return 1;
    }
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    qint64 somme = 0;
    debit(chemins, lireNous, 200, &somme); // warm the file cache and both libraries
    debit(chemins, lireExiv2, 200, &somme);
    const double nous = debit(chemins, lireNous, 2000, &somme);
    const double exiv2 = debit(chemins, lireExiv2, 2000, &somme);
    std::printf("read %lld files of %s\n", static_cast<long long>(chemins.size()), qPrintable(dossier));
    std::printf("  ours     %10.0f files/s\n", nous);
    std::printf("  libexiv2 %10.0f files/s\n", exiv2);
    std::printf("  ratio    %10.2f x libexiv2 (checksum %lld)\n", nous / exiv2,
                static_cast<long long>(somme % 1000));
    return 0;
}

int allerRetour(const QString& dossier, const QString& sortie) {
    const QStringList chemins = photos(dossier);
    if (!QDir().mkpath(sortie)) {
        std::fprintf(stderr, "Impossible de créer %s\n", qPrintable(sortie));
        return 1;
    }
    QElapsedTimer chrono;
    chrono.start();
    int ecrits = 0;
    int refuses = 0;
    for (const QString& chemin : chemins) {
        FichierJpeg photo;
        QString erreur;
        if (!photo.lire(chemin, &erreur)) {
            ++refuses;
            continue;
        }
        BlocExif bloc = lireExif(photo);
        const QString cible = QDir(sortie).filePath(QFileInfo(chemin).fileName());
        if (placerExif(photo, bloc, {}, &erreur) && photo.ecrire(cible, &erreur)) {
            ++ecrits;
        } else {
            ++refuses;
        }
    }
    const double secondes = double(chrono.nsecsElapsed()) / 1e9;
    std::printf("roundtrip %d files written, %d refused (no image data or unreadable), in %.3f s\n", ecrits,
                refuses, secondes);
    std::printf("  %10.0f files/s\n", double(ecrits + refuses) / secondes);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("read")) {
        return lire(arguments[2]);
    }
    if (arguments.size() == 4 && arguments[1] == QLatin1String("roundtrip")) {
        return allerRetour(arguments[2], arguments[3]);
    }
    std::fprintf(stderr, "usage: metadata_bench read DIR | metadata_bench roundtrip DIR OUT\n");
    return 2;
}
