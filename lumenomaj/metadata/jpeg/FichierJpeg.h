#pragma once

#include "SegmentJpeg.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One opened photo: the EXIF APP1 segment and the APP13 segments are held as bytes for the EXIF and
// IPTC code; every other segment before the image data is kept as it stands in the file (XMP packets
// included), and the image data is everything from its first byte to the end of the file.
//
// Saving writes a complete new file beside the target and renames it over the target, so a failure
// at any moment leaves either the old photo or the new one.
class FichierJpeg {
public:
    // Reads the segments of the file. Refuses (false, French message in *erreur) a file that cannot be
    // opened or does not start with FF D8. A file whose segments end before any image data (cut short,
    // or holding metadata only) is read as far as it goes; aDesDonneesImage() is then false and
    // ecrire() refuses it.
    bool lire(const QString& chemin, QString* erreur = nullptr);

    // Writes the photo to cible (which may be the file that was read): FF D8, the APP13 segment(s),
    // the EXIF APP1 segment, the other segments in their order, then the image data to the end of the
    // source file. Refuses, leaving cible untouched, a photo without image data, a source that changed
    // since it was read, and a metadata segment above the 65535-byte limit.
    bool ecrire(const QString& cible, QString* erreur = nullptr) const;

    const QString& chemin() const { return chemin_; }

    // The EXIF APP1 segment from its marker on (index 0 = the 0xFF), as the EXIF reader takes it;
    // empty when the photo has none. When the file ends inside the segment, only the bytes present.
    const QByteArray& segmentExif() const { return exif_; }
    // Replaces the EXIF segment written on save: the whole segment from its marker on (FF E1, length,
    // "Exif" …), as the EXIF writer builds it. An empty array writes no EXIF segment.
    void remplacerSegmentExif(const QByteArray& segment) { exif_ = segment; }

    // Payloads of the APP13 segments in file order (the bytes after each 2-byte length field, for
    // example "Photoshop 3.0\0" "8BIM" …). Consecutive segments continue one another.
    const QList<QByteArray>& chargesApp13() const { return app13_; }
    // Replaces every APP13 segment by one segment holding this payload; an empty payload writes none.
    void remplacerApp13(const QByteArray& charge);
    // The same with several payloads, written as consecutive APP13 segments.
    void remplacerApp13(const QList<QByteArray>& charges);

    // Every other segment before the image data, in file order, and its bytes (marker included).
    const QList<SegmentJpeg>& segments() const { return segments_; }
    QByteArray octetsSegment(const SegmentJpeg& segment) const;

    bool aDesDonneesImage() const { return positionImage_ > 0 && positionImage_ < tailleSource_; }
    // 0-based offset of the first byte of image data (after the start-of-scan header).
    qint64 positionImage() const { return positionImage_; }
    // Bytes from positionImage() to the end of the source file: the end-of-image marker and anything
    // after it included.
    qint64 longueurImage() const { return aDesDonneesImage() ? tailleSource_ - positionImage_ : 0; }
    qint64 tailleSource() const { return tailleSource_; }

private:
    QString chemin_;
    QByteArray entete_; // the source bytes from 0 up to the image data (or the end of what was read)
    QByteArray exif_;
    QList<QByteArray> app13_;
    QList<SegmentJpeg> segments_;
    qint64 positionImage_ = 0;
    qint64 tailleSource_ = 0;
};
