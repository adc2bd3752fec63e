#pragma once

#include <QString>
#include <QStringList>

// The moving word of the screen-saver preview: positions and sizes in twips, one step a tick.
class AnimationApercu {
public:
    static constexpr int ticsParMot = 300;
    static constexpr int pasTwips = 10;

    // The words shown in turn.
    static const QStringList& mots();

    // Word "Lumeno" at (1, 1) with new random speeds.
    AnimationApercu();

    // One tick in a window of the given size holding a label of the given size (twips). The
    // label's size comes from the caller because it follows the word shown.
    void tic(int largeurFenetre, int hauteurFenetre, int largeurTexte, int hauteurTexte);

    int gauche() const { return gauche_; }
    int haut() const { return haut_; }
    int dx() const { return dx_; }
    int dy() const { return dy_; }
    int tics() const { return tics_; }
    QString texte() const { return mots().at(indexMot_); }

private:
    void repartir();

    int gauche_ = 1;
    int haut_ = 1;
    int dx_ = 1;
    int dy_ = 1;
    int tics_ = 0;
    int indexMot_ = 0;
};
