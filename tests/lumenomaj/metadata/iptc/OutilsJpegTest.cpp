#include "OutilsJpegTest.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

namespace {

struct Segment {
    qsizetype debut;
    qsizetype fin;
    bool app13;
};

// Segments from after FF D8 up to the start of scan (included as an ordinary segment).
QList<Segment> segments(const QByteArray& jpeg) {
    QList<Segment> liste;
    qsizetype pos = 2;
    while (pos + 4 <= jpeg.size() && static_cast<quint8>(jpeg[pos]) == 0xFF) {
        const auto code = static_cast<quint8>(jpeg[pos + 1]);
        const int longueur = (static_cast<quint8>(jpeg[pos + 2]) << 8) | static_cast<quint8>(jpeg[pos + 3]);
        const qsizetype fin = qMin(jpeg.size(), pos + 2 + longueur);
        liste.append({pos, fin, code == 0xED});
        if (code == 0xDA)
            break;
        pos = fin;
    }
    return liste;
}

} // namespace

namespace OutilsJpegTest {

QByteArray lireFichier(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool ecrireFichier(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(octets) == octets.size();
}

QList<QByteArray> segmentsApp13(const QByteArray& jpeg) {
    QList<QByteArray> app13;
    for (const Segment& s : segments(jpeg)) {
        if (s.app13)
            app13 << jpeg.mid(s.debut, s.fin - s.debut);
    }
    return app13;
}

QByteArray remplacerApp13(const QByteArray& jpeg, const QList<QByteArray>& nouveaux) {
    QByteArray sortie = jpeg.left(2);
    for (const QByteArray& s : nouveaux)
        sortie += s;
    qsizetype pos = 2;
    for (const Segment& s : segments(jpeg)) {
        if (s.app13) {
            sortie += jpeg.mid(pos, s.debut - pos);
            pos = s.fin;
        }
    }
    return sortie + jpeg.mid(pos);
}

QJsonObject exiftool(const QString& chemin) {
    return exiftool(QStringList{chemin}).value(0);
}

QList<QJsonObject> exiftool(const QStringList& chemins) {
    QProcess p;
    p.start(QStringLiteral("/usr/bin/exiftool"), QStringList{"-j", "-n", "-G1"} + chemins);
    QList<QJsonObject> objets;
    if (!p.waitForFinished(60000))
        return objets;
    const QJsonArray tableau = QJsonDocument::fromJson(p.readAllStandardOutput()).array();
    for (const QString& chemin : chemins) {
        QJsonObject trouve;
        for (const QJsonValue& v : tableau) {
            if (v.toObject().value("SourceFile").toString() == chemin)
                trouve = v.toObject();
        }
        objets << trouve;
    }
    return objets;
}

} // namespace OutilsJpegTest
