#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The words of a file, taken from its folder words text and its base name: separators and digits
// become spaces, accents are folded, the text is cut where letters change case class, and each word
// of 3 characters or more is capitalised (PLAGE and plage give Plage, PlageNice gives Plage, Nice).

// Words already made, kept by the caller over names that share many words (the files of one
// folder all carry its folder words): a word met again shares the text made the first time instead
// of getting one of its own. Holds a bounded number of words; for one thread at a time.
class MotsConnus {
public:
    // The word equal to mot, or nothing.
    const QString* trouver(QStringView mot) const;
    // Keeps mot while there is room, and gives it back.
    QString retenir(QString mot);
    // The folded form of a folder words text, folded once while the same text comes back.
    const QString& dossierPlie(const QString& texte);

private:
    QString dossier_;
    QString dossierPlie_;
    static constexpr size_t Maxi = 64;
    std::vector<QString> mots_;
};

// Up to 20 words, in slot order (a 21st word and later ones take the first slots again). The same
// words with or without connus.
QStringList extraireMots(const QString& texteMotsDossier, const QString& baseBourree,
                         MotsConnus* connus = nullptr);

// The text of the source after folding and trimming (before the cut into words).
QString plierTexte(const QString& texte);

// One word in its stored form: characters after the first lowered, a lower-case first letter raised.
QString capitaliser(const QString& mot);

// The catalogue's Mots text: each word followed by "-", leaving out any word that would bring the
// text to 81 characters or more.
QString texteMots(const QStringList& mots);
