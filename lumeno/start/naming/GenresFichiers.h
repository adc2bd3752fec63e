#pragma once

#include <QString>

// The kind of a file comes from its extension alone, compared letter for letter with fixed lists of
// written forms (photo.jPG is not a photo). The catalogue stores the extension in a normalised form
// (JpG -> jpg, mov -> MOV, MPEG -> m99), its `Type`.

enum class GenreFichier {
    Aucun,              // ignored: unknown extension, or a kind whose option is off
    Photo,              // JPG, GIF, BMP
    Video,              // AVI, MPG, mpe, wmv, m99 (mpeg), asx
    VideoQuickTime,     // MOV
    Musique,            // MP3, wma, rmi, mp2, asf
    Son,                // WAV
    Commentaire,        // TXT
    CommentaireSpecial, // TXR
    Playlist,           // M3U: listed by the scan, never catalogued
};

// The options that let the gated kinds in.
struct OptionsGenres {
    bool texte = false;     // TexteCheck16: text comments
    bool musique = false;   // ConfigCheck8: "Musique possible (MP3 et WMA)"
    bool video = false;     // ConfigCheck6: "Vidéo possible (AVI et MPG)"
    bool quickTime = false; // QuickTimeCheck17: "QuickTime installé (MOV)  "
};

// Text comments from this size on are not catalogued.
inline constexpr qint64 kTailleMaxiCommentaire = 56000;

// The catalogue's stored form of an extension read from a file name: a few written forms are
// normalised, every other form is returned as read.
QString typeCatalogue(const QString& extension);

// The kind of a stored `Type`, whatever the options (Aucun for an unknown form).
GenreFichier genreDuType(const QString& type);

// The kind under the options: Aucun when the kind is gated and its option is off. Text comments
// are judged by genreDuFichier, which knows their size and name; here a TXT needs the text option.
GenreFichier genreAccepte(const QString& type, const OptionsGenres& options);

// The kind of one file met by the scan: its `Type` (normalised), its size in bytes and its full
// name with extension. A text comment must also be smaller than 56000 bytes and not be named
// "LisezMoi.txt".
GenreFichier genreDuFichier(const QString& type, qint64 taille, const QString& nomFichier,
                            const OptionsGenres& options);

// True for the comment kinds, whose catalogue key ends in "00" so that they sort before the photo.
bool estTypeCommentaire(const QString& type);

// The second table, used when the program is started with one file to show.
enum class GenreLigneCommande { Photo, Musique, Video };

QString extensionLigneCommande(const QString& extension); // normalised form
GenreLigneCommande genreLigneCommande(const QString& extension);
