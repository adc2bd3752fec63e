#include "AnimationApercu.h"

#include "Hasard.h"

const QStringList& AnimationApercu::mots() {
    static const QStringList liste = {
        QStringLiteral("Lumeno"),  QStringLiteral("Photos"),    QStringLiteral("Lumeno"),
        QStringLiteral("Vidéo"),   QStringLiteral("Diaporama"), QStringLiteral("Ecran Veille"),
        QStringLiteral("Musique"),
    };
    return liste;
}

AnimationApercu::AnimationApercu() {
    repartir();
}

void AnimationApercu::repartir() {
    gauche_ = 1;
    haut_ = 1;
    dx_ = Hasard::entier(3) + 1;
    dy_ = Hasard::entier(3) + 1;
}

void AnimationApercu::tic(int largeurFenetre, int hauteurFenetre, int largeurTexte, int hauteurTexte) {
    if (gauche_ <= 0 || gauche_ + largeurTexte >= largeurFenetre) {
        dx_ = -dx_;
    }
    if (haut_ <= 0 || haut_ + hauteurTexte - 50 >= hauteurFenetre) {
        dy_ = -dy_;
    }
    gauche_ += dx_ * pasTwips;
    haut_ += dy_ * pasTwips;
    ++tics_;
    if (tics_ % ticsParMot == 0) {
        indexMot_ = (indexMot_ + 1) % mots().size();
        repartir();
    }
}
