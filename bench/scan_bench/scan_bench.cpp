// Times the catalogue scan and compares it with a plain walk of the same folders, in the same run.
//
//   scan_bench [--files N]            generates a tree of N files (default 60000) and scans it
//   scan_bench --program-folder DIR   scans the roots of DIR/Lumeno1.txt into DIR, as the
//                                     configuration screen's "Valider la Configuration" does
#include "ArbreTest.h"
#include "Catalogue.h"
#include "LectureReglages.h"
#include "ParcoursSimple.h"
#include "Scan.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

class RetourSilencieux : public RetourScan {
public:
    Boite::Reponse boite(const Boite::Message& m) override {
        std::printf("message box \"%s\": %s\n", qPrintable(m.titre), qPrintable(m.texte));
        return Boite::Reponse::Ok;
    }
};

struct Mesure {
    double meilleure = 1e300;
    std::vector<double> toutes;
    void ajouter(double ms) {
        toutes.push_back(ms);
        meilleure = std::min(meilleure, ms);
    }
};

double millisecondes(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

// Processor time of the whole process (every thread), in milliseconds: less sensitive than the
// wall clock to other programs running on the machine.
double tempsProcesseur() {
    timespec ts;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

int mesurer(const ParametresScan& parametres, int tours) {
    std::vector<QString> racines;
    for (const RacineCatalogue& r : parametres.reglages.racines) {
        if (r.cochee)
            racines.push_back(r.chemin);
    }
    // One walk first, so that both sides find the folders in the cache.
    long entrees = 0;
    for (const QString& r : racines)
        entrees += parcourirSimplement(r);

    Mesure parcours, scan, parcoursCpu, scanCpu;
    ResultatScan::Durees durees;
    ResultatScan resultat;
    for (int i = 0; i < tours; ++i) {
        QElapsedTimer t;
        t.start();
        double cpu = tempsProcesseur();
        long n = 0;
        for (const QString& r : racines)
            n += parcourirSimplement(r);
        parcours.ajouter(millisecondes(t));
        parcoursCpu.ajouter(tempsProcesseur() - cpu);
        entrees = n;

        RetourSilencieux retour;
        Scan s(parametres, retour);
        t.start();
        cpu = tempsProcesseur();
        resultat = s.executer();
        scanCpu.ajouter(tempsProcesseur() - cpu);
        const double ms = millisecondes(t);
        if (ms < scan.meilleure)
            durees = resultat.durees;
        scan.ajouter(ms);
        if (resultat.fin != FinScan::Terminee) {
            std::printf("the scan did not complete (end %d): %s\n", int(resultat.fin),
                        qPrintable(resultat.erreur));
            return 1;
        }
    }
    std::printf("entries walked        %ld\n", entrees);
    std::printf("files accepted        %d\n", resultat.fichiersAcceptes);
    std::printf("catalogue rows        %d\n", resultat.enregistrements);
    std::printf("distinct words        %d\n", resultat.indexMots - 1);
    std::printf("plain walk            %.1f ms (best of %d)\n", parcours.meilleure, tours);
    std::printf("scan                  %.1f ms (best of %d)\n", scan.meilleure, tours);
    std::printf("scan runs (ms)       ");
    for (double ms : scan.toutes)
        std::printf(" %.1f", ms);
    std::printf("\n  listing folders     %.1f ms (its thread's processor time %.1f ms)\n", durees.parcours,
                durees.parcoursProcesseur);
    std::printf("  working out files   %.1f ms\n", durees.traitement);
    std::printf("  sort and catalogue  %.1f ms\n", durees.catalogue);
    std::printf("  settings and lists  %.1f ms", durees.fichiers);
    std::printf("\nfiles per second      %.0f\n", entrees / (scan.meilleure / 1000.0));
    std::printf("scan / plain walk     %.2f x (wall clock)\n", scan.meilleure / parcours.meilleure);
    std::printf("processor time        walk %.1f ms, scan %.1f ms (all threads), ratio %.2f x\n",
                parcoursCpu.meilleure, scanCpu.meilleure, scanCpu.meilleure / parcoursCpu.meilleure);
    return 0;
}

QString dossierTemporaire() {
    // Memory-backed when there is one: laying out the tree on a slow disk takes longer than the
    // measure, and both sides of the measure read from the cache anyway.
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? shm.absoluteFilePath() : QDir::tempPath();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    int fichiers = 60000;
    int tours = 3;
    QString dossierProgramme;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--files") && i + 1 < args.size())
            fichiers = args[++i].toInt();
        else if (args[i] == QLatin1String("--program-folder") && i + 1 < args.size())
            dossierProgramme = args[++i];
        else if (args[i] == QLatin1String("--runs") && i + 1 < args.size())
            tours = std::max(1, args[++i].toInt());
        else {
            std::fprintf(stderr, "usage: %s [--files N | --program-folder DIR] [--runs N]\n", argv[0]);
            return 2;
        }
    }

    if (!dossierProgramme.isEmpty()) {
        const LectureReglages lecture = lireReglages(dossierProgramme);
        if (lecture.issue == IssueLectureReglages::Absent) {
            std::fprintf(stderr, "%s/Lumeno1.txt not found\n", qPrintable(dossierProgramme));
            return 1;
        }
        ParametresScan p;
        p.dossierProgramme = QFileInfo(dossierProgramme).absoluteFilePath();
        p.reglages = lecture.reglages;
        std::printf("program folder        %s\n", qPrintable(p.dossierProgramme));
        return mesurer(p, tours);
    }

    QTemporaryDir temporaire(dossierTemporaire() + QStringLiteral("/scan_bench-XXXXXX"));
    if (!temporaire.isValid()) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        return 1;
    }
    const QString racine = temporaire.filePath(QStringLiteral("Photos"));
    const QString programme = temporaire.filePath(QStringLiteral("programme"));
    QDir().mkpath(racine);
    QDir().mkpath(programme);
    QElapsedTimer t;
    t.start();
    const int ecrits = genererArbre(racine, fichiers);
    std::printf("tree                  %d files in %s (laid out in %.0f ms)\n", ecrits, qPrintable(racine),
                millisecondes(t));
    try {
        Catalogue::creer(programme + QStringLiteral("/Lumeno2.mdb"));
    } catch (const SqliteError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    ParametresScan p;
    p.dossierProgramme = programme;
    p.reglages.racines[0] = {racine, true, true};
    p.reglages.configCheck6 = true;
    p.reglages.configCheck8 = true;
    p.reglages.texteCheck16 = true;
    p.reglages.configCheck11 = false;
    return mesurer(p, tours);
}
