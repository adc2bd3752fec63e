#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

// Small helpers of the IPTC tests: pick the APP13 segments out of a JPEG and put others in their
// place, and ask exiftool what it reads.
namespace OutilsJpegTest {

QByteArray lireFichier(const QString& chemin);
bool ecrireFichier(const QString& chemin, const QByteArray& octets);

// The whole APP13 segments (FF ED, length, payload) before the image data, in file order.
QList<QByteArray> segmentsApp13(const QByteArray& jpeg);

// The same file with every APP13 segment removed and these segments placed right after FF D8.
QByteArray remplacerApp13(const QByteArray& jpeg, const QList<QByteArray>& segments);

// exiftool -j -n -G1 on the file: its one object, empty when exiftool failed.
QJsonObject exiftool(const QString& chemin);
// The same for several files in one run (exiftool is slow to start): one object per file, in order.
QList<QJsonObject> exiftool(const QStringList& chemins);

} // namespace OutilsJpegTest
