// Runs the built LumenoMaj in a temporary program folder holding a stand-in Lumeno that notes the
// folder it was started in.
#include "DossierTest.h"
#include "LignesTexte.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

namespace {

struct DossierProgramme {
    DossierTest dossier;

    DossierProgramme() {
        const QString lumeno = dossier.fichier("Lumeno", "#!/bin/sh\npwd > lance.txt\n");
        QFile::setPermissions(lumeno, QFile::permissions(lumeno) | QFileDevice::ExeOwner);
    }

    // Runs LumenoMaj there and waits for it to end.
    int lancerLumenoMaj() {
        QProcess p;
        p.setWorkingDirectory(dossier.chemin());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(LUMENOMAJ_PROGRAMME), {});
        if (!p.waitForFinished(20000))
            return -1;
        return p.exitCode();
    }

    // Runs LumenoMaj there; true when it is still running (a window waiting for the user) after
    // a while. It is then closed.
    bool resteOuvert() {
        QProcess p;
        p.setWorkingDirectory(dossier.chemin());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(LUMENOMAJ_PROGRAMME), {});
        if (!p.waitForStarted(10000))
            return false;
        const bool fini = p.waitForFinished(1500);
        if (!fini) {
            p.kill();
            p.waitForFinished(5000);
        }
        return !fini;
    }

    // The folder the stand-in Lumeno was started in, once it has written it.
    QString lumenoLanceDans() {
        const QString note = dossier.chemin("lance.txt");
        QDeadlineTimer limite(10000);
        while (!limite.hasExpired()) {
            const LignesTexte::Lecture lecture = LignesTexte::lire(note);
            if (lecture.ok && !lecture.lignes.isEmpty())
                return lecture.lignes.first();
            QThread::msleep(20);
        }
        return {};
    }

    QStringList journal() { return LignesTexte::lire(dossier.chemin("Lumeno.Log")).lignes; }
};

} // namespace

TEST(LumenomajHandoffProgramme, WithoutCommandItStartsLumenoInTheProgramFolder) {
    DossierProgramme programme;
    ASSERT_EQ(programme.lancerLumenoMaj(), 0);
    EXPECT_EQ(programme.lumenoLanceDans(), programme.dossier.chemin());
    EXPECT_FALSE(QFile::exists(programme.dossier.chemin("Lumeno.Log")));
}

// A job with a window of its own (the metadata window, the PHP list utility) stays open for the
// user: LumenoMaj does not end and does not start Lumeno while it waits.
TEST(LumenomajHandoffProgramme, AnExifCommandOpensTheMetadataWindowAndWaits) {
    DossierProgramme programme;
    programme.dossier.fichier("LumenoMaj.ini",
                              "Exif\r\nLecturePhoto\r\n/photos/\r\n2004-06-Mer.jpg\r\nAAAA-MM\r\n");
    EXPECT_TRUE(programme.resteOuvert());
    EXPECT_EQ(programme.journal().value(0), "Commande Exif (lecture d'une photo) : /photos/2004-06-Mer.jpg");
    EXPECT_FALSE(QFile::exists(programme.dossier.chemin("lance.txt")));
    EXPECT_TRUE(QFile::exists(programme.dossier.chemin("LumenoMaj.ini")));
}

TEST(LumenomajHandoffProgramme, APhpCommandIsDeletedAfterReading) {
    DossierProgramme programme;
    programme.dossier.fichier("LumenoMaj.ini", "MajPHP-/srv/photos\r\n");
    EXPECT_TRUE(programme.resteOuvert());
    EXPECT_FALSE(QFile::exists(programme.dossier.chemin("LumenoMaj.ini")));
    EXPECT_EQ(programme.journal().value(0), "Commande MajPHP : /srv/photos");
}
