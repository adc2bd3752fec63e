#include "GenresFichiers.h"

#include <QHash>

namespace {

using Table = QHash<QString, QString>;

Table tableNormalisation(std::initializer_list<std::pair<QString, QStringList>> lignes) {
    Table t;
    for (const auto& [stocke, formes] : lignes) {
        for (const QString& forme : formes)
            t.insert(forme, stocke);
    }
    return t;
}

const Table& normalisationCatalogue() {
    static const Table t = tableNormalisation({
        {QStringLiteral("jpg"), {"JpG", "jpG"}},
        {QStringLiteral("asx"), {"ASX", "asX", "Asx", "ASx"}},
        {QStringLiteral("asf"), {"ASF", "asF", "Asf", "ASf"}},
        {QStringLiteral("mp2"), {"Mp2", "MP2", "mP2"}},
        {QStringLiteral("rmi"), {"RMI", "rmI", "Rmi"}},
        {QStringLiteral("wma"), {"WMA", "Wma"}},
        {QStringLiteral("mpe"), {"MPE", "mPe", "Mpe"}},
        {QStringLiteral("wmv"), {"WMV", "wMv", "Wmv"}},
        {QStringLiteral("MOV"), {"mov", "Mov"}},
        {QStringLiteral("m99"), {"MPEG", "MPeg", "Mpeg", "MPEg", "mpeg"}},
    });
    return t;
}

const QHash<QString, GenreFichier>& genres() {
    static const QHash<QString, GenreFichier> t = [] {
        QHash<QString, GenreFichier> h;
        const auto ajouter = [&h](GenreFichier g, const QStringList& types) {
            for (const QString& type : types)
                h.insert(type, g);
        };
        ajouter(GenreFichier::Photo, {"JPG", "jpg", "Jpg", "GIF", "gif", "Gif", "BMP", "bmp", "Bmp"});
        ajouter(GenreFichier::Playlist, {"M3U", "m3u", "M3u"});
        ajouter(GenreFichier::Commentaire, {"TXT", "txt", "Txt"});
        ajouter(GenreFichier::CommentaireSpecial, {"TXR", "txr", "Txr"});
        ajouter(GenreFichier::Son, {"WAV", "wav", "Wav"});
        ajouter(GenreFichier::Musique, {"Mp3", "MP3", "mp3", "wma", "rmi", "mp2", "asf"});
        ajouter(GenreFichier::Video, {"AVI", "avi", "Avi", "MPG", "mpg", "Mpg", "mpe", "wmv", "m99", "asx"});
        ajouter(GenreFichier::VideoQuickTime, {"MOV"});
        return h;
    }();
    return t;
}

const Table& normalisationLigneCommande() {
    static const Table t = tableNormalisation({
        {QStringLiteral("mpg"), {"Mpg", "MPG", "mPg"}},
        {QStringLiteral("wma"), {"Wma", "WMA", "wMa"}},
        {QStringLiteral("rmi"), {"Rmi", "RMI", "rMi"}},
        {QStringLiteral("mpeg"), {"MPeg", "MPEG", "Mpeg", "MPEg", "mpeg"}},
        {QStringLiteral("avi"), {"avi", "AVI", "Avi"}},
        {QStringLiteral("asx"), {"aSx", "ASX", "Asx"}},
        {QStringLiteral("asf"), {"aSf", "ASF", "Asf"}},
        {QStringLiteral("mpe"), {"mPe", "MPE", "Mpe"}},
        {QStringLiteral("wmv"), {"wMv", "WMV", "Wmv"}},
    });
    return t;
}

} // namespace

QString typeCatalogue(const QString& extension) {
    return normalisationCatalogue().value(extension, extension);
}

GenreFichier genreDuType(const QString& type) {
    return genres().value(type, GenreFichier::Aucun);
}

GenreFichier genreAccepte(const QString& type, const OptionsGenres& options) {
    const GenreFichier g = genreDuType(type);
    switch (g) {
    case GenreFichier::Commentaire:
        return options.texte ? g : GenreFichier::Aucun;
    case GenreFichier::Musique:
        return options.musique ? g : GenreFichier::Aucun;
    case GenreFichier::Video:
        return options.video ? g : GenreFichier::Aucun;
    case GenreFichier::VideoQuickTime:
        return options.quickTime ? g : GenreFichier::Aucun;
    default:
        return g;
    }
}

GenreFichier genreDuFichier(const QString& type, qint64 taille, const QString& nomFichier,
                            const OptionsGenres& options) {
    const GenreFichier g = genreAccepte(type, options);
    if (g == GenreFichier::Commentaire &&
        (taille >= kTailleMaxiCommentaire || nomFichier == QLatin1String("LisezMoi.txt")))
        return GenreFichier::Aucun;
    return g;
}

bool estTypeCommentaire(const QString& type) {
    const GenreFichier g = genreDuType(type);
    return g == GenreFichier::Commentaire || g == GenreFichier::CommentaireSpecial;
}

QString extensionLigneCommande(const QString& extension) {
    return normalisationLigneCommande().value(extension, extension);
}

GenreLigneCommande genreLigneCommande(const QString& extension) {
    static const QStringList musique{"MP3", "Mp3", "mp3", "mp2", "wma", "rmi"};
    static const QStringList video{"avi", "mpg", "mpeg", "asx", "mpe", "wmv", "asf"};
    const QString e = extensionLigneCommande(extension);
    if (musique.contains(e))
        return GenreLigneCommande::Musique;
    if (video.contains(e))
        return GenreLigneCommande::Video;
    return GenreLigneCommande::Photo;
}
