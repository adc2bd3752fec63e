#pragma once

#include "VueDiaporama.h"

#include <QString>
#include <QStringList>

// A text item of the slideshow: a short text in the large label MessageTexte, a long one in the
// comment box of Frame4 with the frame's own buttons hidden.
class DiapositiveTexte {
public:
    // Texts of this length or more go to the comment box.
    static constexpr int kLongueurMaxi = 500;

    struct Decoupage {
        bool long_ = false;
        QString texte; // the lines joined with CR LF
    };
    // The non-empty lines joined while the text stays short; once a line would make it too long,
    // everything read so far and everything after, for the comment box.
    static Decoupage decouper(const QStringList& lignes);

    explicit DiapositiveTexte(const VueDiaporama& vue) : vue_(vue) {}

    // Reads and shows the file. False when it cannot be read (nothing shown then).
    bool afficher(const QString& chemin, const QString& couleurTexte, double largeurFenetre, double dpi,
                  bool& texteLong);
    // Takes the previous text slide away.
    void masquer(bool texteLong);

private:
    VueDiaporama vue_;
};
