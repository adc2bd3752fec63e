// End to end: the main program's command for a folder job, the built LumenoMaj running it unattended
// in a temporary program folder, and exiftool reading what it wrote.
#include "CommandesLumenoMaj.h"
#include "OutilsLot.h"
#include "TexteFichier.h"

#include "DossierTest.h"
#include "LignesTexte.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

using namespace OutilsLot;

namespace {

struct ProgrammeLot {
    DossierTest programme;
    QString photos;

    ProgrammeLot() {
        // A stand-in Lumeno, so that a start of the main program is harmless.
        const QString lumeno = programme.fichier("Lumeno", "#!/bin/sh\nexit 0\n");
        QFile::setPermissions(lumeno, QFile::permissions(lumeno) | QFileDevice::ExeOwner);
        photos = programme.dossier("Mes Photos");
    }

    // Writes the command as the main program does and runs LumenoMaj unattended, with no step delay.
    int lancer(CommandesLumenoMaj::ModeExif mode, const QString& format, const QString& auteur = {},
               const QString& mot = {}) {
        const QStringList lignes = CommandesLumenoMaj::lignesExif(mode, photos, QString(), format);
        if (!TexteFichier::ecrire(programme.chemin("LumenoMaj.ini"), lignes))
            return -2;
        QProcess p;
        p.setWorkingDirectory(programme.chemin());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("LUMENOMAJ_AUTOMATIQUE", "1");
        env.insert("LUMENOMAJ_PAS_LOT_MS", "0");
        env.insert("LUMENOMAJ_AUTEUR", auteur);
        env.insert("LUMENOMAJ_MOT_AJOUT", mot);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(LUMENOMAJ_PROGRAMME), {});
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            return -1;
        }
        return p.exitCode();
    }

    QStringList journal() const { return LignesTexte::lire(programme.chemin("Lumeno.Log")).lignes; }
};

QMap<QString, QJsonObject> exiftool(const QStringList& chemins) {
    QProcess p;
    p.start(QStringLiteral("/usr/bin/exiftool"), QStringList{"-j", "-n", "-charset", "utf8"} + chemins);
    p.waitForFinished(60000);
    QMap<QString, QJsonObject> parFichier;
    for (const QJsonValue& v : QJsonDocument::fromJson(p.readAllStandardOutput()).array())
        parFichier.insert(v.toObject().value("SourceFile").toString(), v.toObject());
    return parFichier;
}

QStringList liste(const QJsonValue& v) {
    QStringList resultat;
    if (v.isArray())
        for (const QJsonValue& e : v.toArray())
            resultat.append(e.toVariant().toString());
    else if (!v.isUndefined())
        resultat.append(v.toVariant().toString());
    return resultat;
}

} // namespace

TEST(LumenomajLotProgramme, TheFillerWritesXpExifAndIptcFieldsFromTheNames) {
    if (!QFile::exists("/usr/bin/exiftool"))
        GTEST_SKIP() << "exiftool absent";
    ProgrammeLot t;
    const QString a = copier("canon-powershot-s330-mm.jpg", t.photos, "2004-06-15-143000-Plage.jpg");
    const QString b = copier("casio-exz3-qvc-mm.jpg", t.photos, "2004-06-Vacances-Mer.JPG");
    const QByteArray casse("\xFF\xD8\xFF\xE1 rien");
    const QString c = t.programme.fichier("Mes Photos/2005-01-Casse.jpg", casse);
    const QByteArray imageA = donneesImage(a);
    const QByteArray imageB = donneesImage(b);

    ASSERT_EQ(t.lancer(CommandesLumenoMaj::ModeExif::EcrireDossier, "AAAA-MM", "Marie Curie", "Famille"), 0);

    const auto lus = exiftool({a, b});
    const QJsonObject ja = lus.value(a);
    EXPECT_EQ(ja.value("XPTitle").toString(), "2004-06-15-143000-Plage Famille");
    EXPECT_EQ(ja.value("XPComment").toString(), "2004-06-15-143000-Plage Famille");
    EXPECT_EQ(ja.value("XPSubject").toString(), "2004-06-15-143000-Plage Famille");
    EXPECT_EQ(ja.value("XPKeywords").toString(), "Plage  Famille");
    EXPECT_EQ(ja.value("XPAuthor").toString(), "Marie Curie");
    EXPECT_EQ(ja.value("ImageDescription").toString(), "2004-06-15-143000-Plage Famille");
    EXPECT_EQ(ja.value("DateTimeOriginal").toString(), "2004:06:15 14:30:00");
    EXPECT_EQ(ja.value("ModifyDate").toString(), "2004:06:15 14:30:00");
    EXPECT_EQ(liste(ja.value("Keywords")), (QStringList{"Plage", "Famille"}));
    EXPECT_EQ(liste(ja.value("By-line")), QStringList{"Marie Curie"});
    EXPECT_EQ(ja.value("CopyrightNotice").toString(), "Marie Curie");
    EXPECT_EQ(ja.value("DateCreated").toString(), "2004:06:15");
    EXPECT_EQ(ja.value("Make").toString(), "Canon");
    EXPECT_EQ(donneesImage(a), imageA);

    const QJsonObject jb = lus.value(b);
    EXPECT_EQ(jb.value("XPKeywords").toString(), "Vacances Mer  Famille");
    EXPECT_EQ(jb.value("DateTimeOriginal").toString(), "2004:06:01 00:00:00");
    EXPECT_EQ(liste(jb.value("Keywords")), (QStringList{"Vacances", "Mer", "Famille"}));
    EXPECT_EQ(jb.value("DateCreated").toString(), "2004:06:01");
    EXPECT_EQ(donneesImage(b), imageB);

    EXPECT_EQ(lire(c), casse);
    const QString journal = t.journal().join('\n');
    EXPECT_TRUE(journal.contains("2005-01-Casse.jpg n'a pas pu être lue")) << journal.toStdString();
    EXPECT_TRUE(
        journal.contains("Message « Fin du traitement du dossier » :  Fin du traitement du dossier à la "
                         "Photo N° 3"))
        << journal.toStdString();
}

TEST(LumenomajLotProgramme, TheRenamerUsesTheExifDateAndLeavesAClashAlone) {
    ProgrammeLot t;
    copier("canon-powershot-s330-mm.jpg", t.photos, "Img_0012.JPG");
    copier("casio-exz3-qvc-mm.jpg", t.photos, "Img_0014.jpg");
    const QString occupant = t.programme.fichier("Mes Photos/2003-06-18-165437-Img_0014.jpg", "occupé");
    copier("casio-exz3-qvc-mm.jpg", t.photos, "2003-12-Img_0015.jpg");

    ASSERT_EQ(t.lancer(CommandesLumenoMaj::ModeExif::DateExif, "AAAA-MM"), 0);

    EXPECT_EQ(QDir(t.photos).entryList(QDir::Files, QDir::Name),
              (QStringList{"2002-11-16-152701-Img_0012.jpg", "2003-06-18-165437-Img_0014.jpg",
                           "2003-12-Img_0015.jpg", "Img_0014.jpg"}));
    EXPECT_EQ(lire(occupant), "occupé");
    const QString journal = t.journal().join('\n');
    EXPECT_TRUE(journal.contains("Le fichier 2003-06-18-165437-Img_0014.jpg existe déjà"))
        << journal.toStdString();
    EXPECT_TRUE(journal.contains("Message « Fin du traitement des dates Exif »")) << journal.toStdString();
    EXPECT_TRUE(journal.contains("Nombre de Photos Renommées : 1")) << journal.toStdString();
}
