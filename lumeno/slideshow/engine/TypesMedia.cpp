#include "TypesMedia.h"

#include <QStringList>

namespace TypesMedia {

Genre genre(const QString& type) {
    // Tried in this order; anything else is a photo.
    static const QStringList avi{"Avi", "AVI", "avi"};
    static const QStringList mpeg{"Mpg", "MPG", "mpg", "mpe", "wmv", "m99", "asx", "asf"};
    static const QStringList son{"Wav", "WAV", "wav"};
    static const QStringList musique{"Mp3", "MP3", "mp3", "mp2", "wma", "rmi"};
    static const QStringList texte{"Txt", "TXT", "txt", "TXR"};
    if (avi.contains(type))
        return Genre::VideoAvi;
    if (mpeg.contains(type))
        return Genre::VideoMpeg;
    if (son.contains(type))
        return Genre::Son;
    if (musique.contains(type))
        return Genre::Musique;
    if (type == QLatin1String("MOV"))
        return Genre::QuickTime;
    if (texte.contains(type))
        return Genre::Texte;
    return Genre::Photo;
}

bool estJpeg(const QString& type) {
    return type == QLatin1String("JPG") || type == QLatin1String("Jpg") || type == QLatin1String("jpg");
}

} // namespace TypesMedia
