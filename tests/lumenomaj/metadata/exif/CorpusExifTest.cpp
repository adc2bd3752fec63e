// Our reader and writer against the independent reader exiftool, over the real camera files of the
// shared test data.
#include "ExifTool.h"

#include <BlocExif.h>
#include <FichierJpeg.h>
#include <LecteurExif.h>
#include <ModificationExif.h>
#include <PhotoExif.h>
#include <TexteExif.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtEndian>

#include <cmath>
#include <gtest/gtest.h>
#include <iostream>

namespace {

QString dossierCorpus() {
    return QStringLiteral(LUMENO_TESTDATA_DIR "/jpeg");
}

QStringList fichiersCorpus() {
    QStringList chemins;
    const QDir dossier(dossierCorpus());
    for (const QString& nom : dossier.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name)) {
        chemins << dossier.filePath(nom);
    }
    return chemins;
}

QByteArray contenu(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

// The exiftool dump of the corpus, read once for the whole test program.
const QMap<QString, QJsonObject>& oracle() {
    static const QMap<QString, QJsonObject> dump = ExifTool::lire(fichiersCorpus());
    return dump;
}

struct Repertoire {
    const char* groupe; // exiftool's group name
    int selecteur;
};
constexpr Repertoire repertoires[] = {
    {"IFD0", SelecteurIfd0},          {"ExifIFD", SelecteurExif}, {"GPS", SelecteurGps},
    {"InteropIFD", SelecteurInterop}, {"IFD1", SelecteurIfd1},
};

QList<double> nombres(const EntreeIfd& entree) {
    QList<double> liste;
    const int taille = tailleComposant(entree.type);
    for (qsizetype i = 0; taille > 0 && (i + 1) * taille <= entree.donnees.size(); ++i) {
        const QByteArray composant = entree.donnees.mid(i * taille, taille);
        if (const auto n = nombreValeur(composant, entree.type)) {
            liste << *n;
        } else {
            liste << std::nan("");
        }
    }
    return liste;
}

// exiftool's value as numbers: a number, or a text of numbers separated by spaces or colons.
std::optional<QList<double>> nombresOracle(const QJsonValue& valeur) {
    if (valeur.isDouble()) {
        return QList<double>{valeur.toDouble()};
    }
    QList<double> liste;
    static const QRegularExpression separateurs(QStringLiteral("[ :]+"));
    for (const QString& partie : valeur.toString().split(separateurs, Qt::SkipEmptyParts)) {
        bool ok = false;
        liste << partie.toDouble(&ok);
        if (!ok) {
            return std::nullopt;
        }
    }
    if (liste.isEmpty()) {
        return std::nullopt;
    }
    return liste;
}

bool proches(const QList<double>& a, const QList<double>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (std::isnan(a[i]) || std::isnan(b[i])) {
            return false; // a zero denominator has no number
        }
        if (std::abs(a[i] - b[i]) > 1e-7 * qMax(1.0, std::abs(a[i]))) {
            return false;
        }
    }
    return true;
}

QString texteOracle(const QJsonValue& valeur) {
    return valeur.isDouble() ? QString::number(valeur.toDouble(), 'g', 15) : valeur.toString();
}

// Values that exiftool converts even with -n: APEX exposure values and GPS coordinates.
QList<double> convertiCommeExifTool(const QString& groupe, quint32 tag, QList<double> valeurs) {
    if (groupe == QLatin1String("ExifIFD") && tag == 37377 && valeurs.size() == 1) {
        return {std::pow(2.0, -valeurs[0])};
    }
    if (groupe == QLatin1String("ExifIFD") && (tag == 37378 || tag == 37381) && valeurs.size() == 1) {
        return {std::pow(2.0, valeurs[0] / 2)};
    }
    if (groupe == QLatin1String("GPS") && (tag == 2 || tag == 4 || tag == 20 || tag == 22) &&
        valeurs.size() == 3) {
        return {valeurs[0] + valeurs[1] / 60 + valeurs[2] / 3600};
    }
    return valeurs;
}

// The text of an UNDEFINED value whose first 8 bytes name its character set.
QString texteCommentaire(const QByteArray& donnees) {
    const QByteArray corps = donnees.mid(8);
    if (donnees.startsWith("UNICODE")) {
        QString texte;
        for (qsizetype i = 0; i + 1 < corps.size(); i += 2) {
            texte.append(QChar(qFromLittleEndian<quint16>(corps.constData() + i)));
        }
        return texte;
    }
    return texteAscii(corps);
}

// A CFA pattern: two 16-bit sizes (in either byte order) and the colour of every cell.
bool cfa(const QByteArray& donnees, const QString& texte) {
    if (donnees.size() < 4) {
        return false;
    }
    for (bool grand : {false, true}) {
        const auto* p = reinterpret_cast<const uchar*>(donnees.constData());
        QStringList parties{
            QString::number(grand ? qFromBigEndian<quint16>(p) : qFromLittleEndian<quint16>(p)),
            QString::number(grand ? qFromBigEndian<quint16>(p + 2) : qFromLittleEndian<quint16>(p + 2))};
        for (qsizetype i = 4; i < donnees.size(); ++i) {
            parties << QString::number(p[i]);
        }
        if (parties.join(QLatin1Char(' ')) == texte) {
            return true;
        }
    }
    return false;
}

// True when exiftool reports the same value; raison tells why a value could not be compared.
bool memeValeur(const QString& groupe, const EntreeIfd& entree, const QJsonValue& valeur, qint64 baseTiff) {
    const QString texte = texteOracle(valeur);
    if (entree.tag >= 40091 && entree.tag <= 40095 && groupe == QLatin1String("IFD0")) {
        return texteXp(entree.donnees) == texte;
    }
    if (entree.type == ExifAscii) {
        QByteArray octets = entree.donnees;
        if (const qsizetype zero = octets.indexOf('\0'); zero >= 0) {
            octets.truncate(zero);
        }
        QString notre = texteAscii(octets);
        // exiftool drops trailing blanks, and shows '?' for bytes that are not UTF-8.
        while (notre.endsWith(QLatin1Char(' '))) {
            notre.chop(1);
        }
        if (notre == texte || texteAscii(octets) == texte) {
            return true;
        }
        if (texte.contains(QLatin1Char('?'))) {
            QString remplace = notre;
            for (QChar& c : remplace) {
                if (c.unicode() > 127) {
                    c = QLatin1Char('?');
                }
            }
            if (remplace == texte) {
                return true;
            }
        }
        bool ok = false;
        const double n = notre.trimmed().toDouble(&ok);
        return ok && valeur.isDouble() && n == valeur.toDouble();
    }
    if (entree.type == ExifUndefined) {
        QStringList octets;
        for (char c : entree.donnees) {
            octets << QString::number(uchar(c));
        }
        return texte == QString::fromLatin1(entree.donnees) || texte == octets.join(QLatin1Char(' ')) ||
               texte.startsWith(QStringLiteral("(Binary data %1 bytes").arg(entree.donnees.size())) ||
               texte == texteCommentaire(entree.donnees).section(QChar(0), 0, 0).trimmed() ||
               cfa(entree.donnees, texte) ||
               texte == QString::fromLatin1(entree.donnees).remove(QChar(0)).trimmed();
    }
    QList<double> notres = convertiCommeExifTool(groupe, entree.tag, nombres(entree));
    if ((entree.tag == TagJpegIfOffset || entree.tag == TagStripOffsets) && groupe == QLatin1String("IFD1")) {
        for (double& n : notres) {
            n += double(baseTiff); // exiftool gives the thumbnail's offset in the file
        }
    }
    if (texte == QLatin1String("undef") || texte == QLatin1String("inf")) {
        return notres.size() == 1 && std::isnan(notres[0]); // a zero denominator
    }
    const auto siennes = nombresOracle(valeur);
    return siennes && proches(notres, *siennes);
}

// Values exiftool itself does not give as they stand in the file.
QString exception(const QString& fichier, const QString& groupe, quint32 tag) {
    if (fichier == QLatin1String("panasonic-dmc-lc40-mm.jpg") && groupe == QLatin1String("IFD1") &&
        tag == 37510) {
        return QStringLiteral(
            "this camera wrote six IFD1 entries under the UserComment tag; exiftool reads them "
            "as text and its JSON keeps only one of the duplicates");
    }
    return {};
}

// Why exiftool gives no value for a tag we read.
QString raisonAbsence(const QJsonObject& dump, quint32 tag) {
    if (tag == TagExifOffset || tag == TagGpsInfo || tag == TagInteropOffset) {
        return QStringLiteral("a directory pointer, which exiftool follows without reporting it");
    }
    if (tag == TagMakerNote || tag == 50341 || tag == 33723) {
        return QStringLiteral("a block exiftool decodes into its own group (maker note, PrintIM, IPTC)");
    }
    bool exifLue = false;
    for (auto it = dump.begin(); it != dump.end(); ++it) {
        exifLue = exifLue || it.key().startsWith(QLatin1String("IFD0:"));
    }
    if (!exifLue) {
        return QStringLiteral("exiftool reads no EXIF from this file (it refuses the cut segment)");
    }
    return QStringLiteral("FAILURE: exiftool does not report it");
}

struct Comparaison {
    QStringList ecarts;
    QStringList sauts;
};

Comparaison comparer(const QString& chemin, const BlocExif& bloc, const QJsonObject& dump, qint64 baseTiff) {
    Comparaison resultat;
    const QString nom = QFileInfo(chemin).fileName();
    for (const Repertoire& repertoire : repertoires) {
        const QString groupe = QString::fromLatin1(repertoire.groupe);
        const Ifd* ifd = bloc.repertoire(repertoire.selecteur);
        for (const EntreeIfd& entree : ifd->entrees) {
            QList<QJsonValue> candidats;
            for (auto it = dump.begin(); it != dump.end(); ++it) {
                const QJsonObject cle = it.value().toObject();
                if (it.key().startsWith(groupe + QLatin1Char(':')) &&
                    cle.value(QStringLiteral("id")).isDouble() &&
                    quint32(cle.value(QStringLiteral("id")).toInt()) == entree.tag) {
                    candidats << cle.value(QStringLiteral("val"));
                }
            }
            const QString ou = QStringLiteral("%1 %2 tag %3").arg(nom, groupe).arg(entree.tag);
            if (!entree.typeConnu()) {
                resultat.sauts << ou +
                                      QStringLiteral(": type %1 unknown, kept as bytes (exiftool ignores it)")
                                          .arg(entree.type);
                continue;
            }
            if (const QString raison = exception(nom, groupe, entree.tag); !raison.isEmpty()) {
                resultat.sauts << ou + QStringLiteral(": ") + raison;
                continue;
            }
            if (candidats.isEmpty()) {
                resultat.sauts << ou + QStringLiteral(": ") + raisonAbsence(dump, entree.tag);
                continue;
            }
            bool trouve = false;
            for (const QJsonValue& candidat : candidats) {
                trouve = trouve || memeValeur(groupe, entree, candidat, baseTiff);
            }
            if (!trouve) {
                resultat.ecarts << ou + QStringLiteral(": ours %1, exiftool %2")
                                            .arg(texteGenerique(entree.donnees, entree.count, entree.type),
                                                 texteOracle(candidats.first()));
            }
        }
    }
    return resultat;
}

qint64 positionTiff(const QString& chemin, const FichierJpeg& photo) {
    return contenu(chemin).indexOf(photo.segmentExif().left(16)) + 10;
}

TEST(MetadataCorpusExif, EveryValueWeReadIsTheValueExifToolReads) {
    if (!ExifTool::present()) {
        GTEST_SKIP() << "exiftool is not installed: the comparison with an independent reader is skipped";
    }
    int valeurs = 0;
    for (const QString& chemin : fichiersCorpus()) {
        FichierJpeg photo;
        if (!photo.lire(chemin)) {
            continue;
        }
        const BlocExif bloc = lireExif(photo);
        const Comparaison c = comparer(chemin, bloc, oracle().value(chemin), positionTiff(chemin, photo));
        for (const QString& saut : c.sauts) {
            if (saut.contains(QLatin1String("FAILURE"))) {
                ADD_FAILURE() << saut.toStdString();
            } else {
                std::cout << "skipped: " << saut.toStdString() << '\n';
            }
        }
        for (const QString& ecart : c.ecarts) {
            ADD_FAILURE() << ecart.toStdString();
        }
        for (const Repertoire& r : repertoires) {
            valeurs += int(bloc.repertoire(r.selecteur)->entrees.size());
        }
    }
    EXPECT_GT(valeurs, 500) << "the corpus must give many values to compare";
}

// Each value exiftool finds in the five directories is one we read as well (a value we dropped as
// unsound would show here).
TEST(MetadataCorpusExif, WeReadEveryDirectoryValueExifToolReads) {
    if (!ExifTool::present()) {
        GTEST_SKIP() << "exiftool is not installed";
    }
    for (const QString& chemin : fichiersCorpus()) {
        FichierJpeg photo;
        if (!photo.lire(chemin)) {
            continue;
        }
        const BlocExif bloc = lireExif(photo);
        const QJsonObject dump = oracle().value(chemin);
        for (auto it = dump.begin(); it != dump.end(); ++it) {
            const QJsonValue id = it.value().toObject().value(QStringLiteral("id"));
            if (!id.isDouble()) {
                continue;
            }
            for (const Repertoire& r : repertoires) {
                if (it.key().startsWith(QString::fromLatin1(r.groupe) + QLatin1Char(':'))) {
                    EXPECT_NE(bloc.repertoire(r.selecteur)->trouver(quint32(id.toInt())), nullptr)
                        << QFileInfo(chemin).fileName().toStdString() << ' ' << it.key().toStdString();
                }
            }
        }
    }
}

// Keys that change with any rewrite of a file and say nothing of its metadata.
// Positions in the file (PreviewImageStart, ThumbnailOffset) move with the segments: the JFIF segment
// is written after the EXIF one.
bool cleStable(const QString& cle) {
    return !cle.startsWith(QLatin1String("System:")) && cle != QLatin1String("SourceFile") &&
           cle != QLatin1String("ExifTool:ExifToolVersion") && cle != QLatin1String("File:FileSize") &&
           !cle.endsWith(QLatin1String("Offset")) && !cle.endsWith(QLatin1String("Start")) &&
           cle != QLatin1String("ExifTool:Warning");
}

// A maker note whose last value reaches past the note's own declared length: those bytes are not
// part of the note and are not kept.
bool valeurHorsNote(const QString& fichier, const QString& cle) {
    return fichier == QLatin1String("nikon-d1x-type2hdr-ii-gps-iptc.jpg") &&
           cle == QLatin1String("Nikon:SensorPixelSize");
}

TEST(MetadataCorpusExif, WritingBackUnchangedKeepsImageDataAndEveryTag) {
    QTemporaryDir dossier;
    QStringList ecrits;
    QMap<QString, QString> sources;
    for (const QString& chemin : fichiersCorpus()) {
        FichierJpeg photo;
        ASSERT_TRUE(photo.lire(chemin) || QFileInfo(chemin).fileName().startsWith(QLatin1String("damaged")))
            << chemin.toStdString();
        if (!photo.aDesDonneesImage()) {
            continue;
        }
        BlocExif bloc = lireExif(photo);
        QString erreur;
        ASSERT_TRUE(placerExif(photo, bloc, {}, &erreur)) << erreur.toStdString();
        const QString cible = dossier.filePath(QFileInfo(chemin).fileName());
        ASSERT_TRUE(photo.ecrire(cible, &erreur)) << erreur.toStdString();

        FichierJpeg relu;
        ASSERT_TRUE(relu.lire(cible));
        EXPECT_EQ(contenu(cible).mid(relu.positionImage()), contenu(chemin).mid(photo.positionImage()))
            << "image data of " << chemin.toStdString();
        ecrits << cible;
        sources.insert(cible, chemin);
    }
    EXPECT_GE(ecrits.size(), 30);
    if (!ExifTool::present()) {
        GTEST_SKIP() << "exiftool is not installed: the tags of the written files are not compared";
    }
    const QMap<QString, QJsonObject> apres = ExifTool::lire(ecrits);
    for (const QString& ecrit : ecrits) {
        const QJsonObject avant = oracle().value(sources.value(ecrit));
        const QJsonObject maintenant = apres.value(ecrit);
        const QString nom = QFileInfo(ecrit).fileName();
        for (auto it = avant.begin(); it != avant.end(); ++it) {
            if (!cleStable(it.key())) {
                continue;
            }
            if (valeurHorsNote(nom, it.key())) {
                std::cout << "skipped: " << nom.toStdString() << ' ' << it.key().toStdString()
                          << ": the value lies past the end of the maker note that holds it\n";
                continue;
            }
            const QJsonValue attendu = it.value().toObject().value(QStringLiteral("val"));
            const QJsonValue obtenu = maintenant.value(it.key()).toObject().value(QStringLiteral("val"));
            EXPECT_EQ(obtenu, attendu)
                << nom.toStdString() << ' ' << it.key().toStdString() << ": "
                << texteOracle(obtenu).toStdString() << " instead of " << texteOracle(attendu).toStdString();
        }
        for (auto it = maintenant.begin(); it != maintenant.end(); ++it) {
            EXPECT_TRUE(!cleStable(it.key()) || avant.contains(it.key()))
                << nom.toStdString() << " new key " << it.key().toStdString();
        }
        // A file read without warning is written without one.
        if (!avant.contains(QStringLiteral("ExifTool:Warning"))) {
            EXPECT_FALSE(maintenant.contains(QStringLiteral("ExifTool:Warning")))
                << nom.toStdString() << ": "
                << texteOracle(maintenant.value(QStringLiteral("ExifTool:Warning"))
                                   .toObject()
                                   .value(QStringLiteral("val")))
                       .toStdString();
        }
    }
}

TEST(MetadataCorpusExif, ValuesSetByOurWriterAreReadBackByExifTool) {
    if (!ExifTool::present()) {
        GTEST_SKIP() << "exiftool is not installed";
    }
    const QString texte = QStringLiteral("Noël à Paris œ € ’");
    const QStringList sources{QStringLiteral("canon-powershot-s330-mm.jpg"),
                              QStringLiteral("sony-dsc-f828-ii.jpg"), QStringLiteral("no-app-segments.jpg"),
                              QStringLiteral("xp-iptc-exif-then-xmp-ii.jpg"),
                              QStringLiteral("xp-all5-xmp-then-exif-mm-iptc-not-first.jpg")};
    QTemporaryDir dossier;
    QStringList ecrits;
    for (const QString& nom : sources) {
        FichierJpeg photo;
        ASSERT_TRUE(photo.lire(dossierCorpus() + QLatin1Char('/') + nom));
        BlocExif bloc = lireExif(photo);
        definirTexteExif(bloc, SelecteurIfd0, 270, texte);
        definirTexteExif(bloc, SelecteurExif, 36867, QStringLiteral("2004:06:15 10:20:30"));
        for (quint32 tag = TagXpTitre; tag <= TagXpSujet; ++tag) {
            definirTexteXp(bloc, tag, texte + QString::number(tag));
        }
        ASSERT_TRUE(placerExif(photo, bloc));
        const QString cible = dossier.filePath(nom);
        ASSERT_TRUE(photo.ecrire(cible));
        ecrits << cible;
    }
    const QMap<QString, QJsonObject> lus = ExifTool::lire(ecrits);
    const QStringList champsXp{QStringLiteral("XPTitle"), QStringLiteral("XPComment"),
                               QStringLiteral("XPAuthor"), QStringLiteral("XPKeywords"),
                               QStringLiteral("XPSubject")};
    for (const QString& ecrit : ecrits) {
        const QJsonObject dump = lus.value(ecrit);
        auto val = [&](const QString& cle) {
            return dump.value(cle).toObject().value(QStringLiteral("val")).toString();
        };
        SCOPED_TRACE(ecrit.toStdString());
        EXPECT_EQ(val(QStringLiteral("IFD0:ImageDescription")), texte);
        EXPECT_EQ(val(QStringLiteral("ExifIFD:DateTimeOriginal")), QStringLiteral("2004:06:15 10:20:30"));
        for (int i = 0; i < champsXp.size(); ++i) {
            EXPECT_EQ(val(QStringLiteral("IFD0:") + champsXp[i]), texte + QString::number(TagXpTitre + i));
        }
        EXPECT_TRUE(oracle()
                        .value(dossierCorpus() + QLatin1Char('/') + QFileInfo(ecrit).fileName())
                        .contains(QStringLiteral("ExifTool:Warning")) ||
                    !dump.contains(QStringLiteral("ExifTool:Warning")))
            << dump.value(QStringLiteral("ExifTool:Warning"))
                   .toObject()
                   .value(QStringLiteral("val"))
                   .toString()
                   .toStdString();
    }
}

} // namespace
