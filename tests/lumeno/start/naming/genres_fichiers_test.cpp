#include "AnatomieNom.h"
#include "GenresFichiers.h"

#include "ImpressionQString.h"

#include <gtest/gtest.h>

namespace {

const OptionsGenres kTout{true, true, true, true};
const OptionsGenres kRien{false, false, false, false};

struct CasFichier {
    const char* nom;
    qint64 taille;
    OptionsGenres options;
    GenreFichier genre;
    const char* type; // stored form, when accepted
};

// Runs a file name through the whole chain the scan uses: cut, normalise, classify.
GenreFichier classer(const CasFichier& c, QString* type) {
    const AnatomieNom a = decouperNom(QString::fromUtf8(c.nom));
    if (!a.media)
        return GenreFichier::Aucun;
    *type = typeCatalogue(a.extension);
    return genreDuFichier(*type, c.taille, QString::fromUtf8(c.nom), c.options);
}

} // namespace

TEST(NamingGenres, CatalogueTableClassifiesByExactWrittenForm) {
    const CasFichier cas[] = {
        {"Photo.jpg", 10, kRien, GenreFichier::Photo, "jpg"},
        {"PHOTO.JPG", 10, kRien, GenreFichier::Photo, "JPG"},
        {"photo.Jpg", 10, kRien, GenreFichier::Photo, "Jpg"},
        {"photo.JpG", 10, kRien, GenreFichier::Photo, "jpg"},
        {"photo.jPG", 10, kTout, GenreFichier::Aucun, ""},
        {"photo.jpeg", 10, kTout, GenreFichier::Aucun, ""},
        {"image.Gif", 10, kRien, GenreFichier::Photo, "Gif"},
        {"image.bmp", 10, kRien, GenreFichier::Photo, "bmp"},
        {"Clip.mpeg", 10, kTout, GenreFichier::Video, "m99"},
        {"Clip.MPEg", 10, kTout, GenreFichier::Video, "m99"},
        {"Clip.mpEG", 10, kTout, GenreFichier::Aucun, ""},
        {"Clip.mpeg", 10, kRien, GenreFichier::Aucun, ""},
        {"clip.wMv", 10, kTout, GenreFichier::Video, "wmv"},
        {"clip.Asx", 10, kTout, GenreFichier::Video, "asx"},
        {"clip.MOV", 10, kTout, GenreFichier::VideoQuickTime, "MOV"},
        {"clip.mov", 10, {false, false, false, true}, GenreFichier::VideoQuickTime, "MOV"},
        {"clip.MOV", 10, {true, true, true, false}, GenreFichier::Aucun, ""},
        {"chant.mp3", 10, {false, true, false, false}, GenreFichier::Musique, "mp3"},
        {"chant.mP3", 10, kTout, GenreFichier::Aucun, ""},
        {"chant.ASF", 10, kTout, GenreFichier::Musique, "asf"},
        {"chant.Wma", 10, kTout, GenreFichier::Musique, "wma"},
        {"chant.mp3", 10, kRien, GenreFichier::Aucun, ""},
        {"cri.Wav", 10, kRien, GenreFichier::Son, "Wav"},
        {"liste.m3u", 10, kRien, GenreFichier::Playlist, "m3u"},
        {"note.Txr", 10, kRien, GenreFichier::CommentaireSpecial, "Txr"},
        {"note.txt", 100, kTout, GenreFichier::Commentaire, "txt"},
        {"note.txt", 100, kRien, GenreFichier::Aucun, ""},
        {"note.TXT", 55999, kTout, GenreFichier::Commentaire, "TXT"},
        {"note.TXT", 56000, kTout, GenreFichier::Aucun, ""},
        {"LisezMoi.txt", 100, kTout, GenreFichier::Aucun, ""},
        {"lisezmoi.txt", 100, kTout, GenreFichier::Commentaire, "txt"},
        {"LisezMoi.TXT", 100, kTout, GenreFichier::Commentaire, "TXT"},
        {"Été à Nîmes.jpg", 10, kRien, GenreFichier::Photo, "jpg"},
        {"a.jp", 10, kTout, GenreFichier::Aucun, ""},
        {"sansextension", 10, kTout, GenreFichier::Aucun, ""},
    };
    for (const CasFichier& c : cas) {
        QString type;
        const GenreFichier g = classer(c, &type);
        EXPECT_EQ(g, c.genre) << c.nom;
        if (g != GenreFichier::Aucun)
            EXPECT_EQ(type, QString::fromUtf8(c.type)) << c.nom;
    }
}

TEST(NamingGenres, CommentTypesSortBeforeThePhoto) {
    for (const char* t : {"TXT", "txt", "Txt", "TXR", "txr", "Txr"})
        EXPECT_TRUE(estTypeCommentaire(QString::fromLatin1(t))) << t;
    for (const char* t : {"jpg", "tXt", "MOV", ""})
        EXPECT_FALSE(estTypeCommentaire(QString::fromLatin1(t))) << t;
}

TEST(NamingGenres, CommandLineTableHasItsOwnFormsAndKinds) {
    const struct {
        const char* extension;
        const char* normalisee;
        GenreLigneCommande genre;
    } cas[] = {
        {"MP3", "MP3", GenreLigneCommande::Musique},
        {"mP3", "mP3", GenreLigneCommande::Photo},
        {"wMa", "wma", GenreLigneCommande::Musique},
        {"RMI", "rmi", GenreLigneCommande::Musique},
        {"mp2", "mp2", GenreLigneCommande::Musique},
        {"MPEG", "mpeg", GenreLigneCommande::Video},
        {"mPg", "mpg", GenreLigneCommande::Video},
        {"Avi", "avi", GenreLigneCommande::Video},
        // asf is a video here, while the scan files it as music.
        {"aSf", "asf", GenreLigneCommande::Video},
        {"wmv", "wmv", GenreLigneCommande::Video},
        {"mov", "mov", GenreLigneCommande::Photo},
        {"jpg", "jpg", GenreLigneCommande::Photo},
        {"WAV", "WAV", GenreLigneCommande::Photo},
    };
    for (const auto& c : cas) {
        const QString e = QString::fromLatin1(c.extension);
        EXPECT_EQ(extensionLigneCommande(e), QString::fromLatin1(c.normalisee)) << c.extension;
        EXPECT_EQ(genreLigneCommande(e), c.genre) << c.extension;
    }
}
