#include "DispositionFenetre.h"

#include <cmath>

QRect Disposition::ajusterImage(const QSize& image, int W, int H) {
    const double pw = image.width(), ph = image.height();
    const bool parLargeur = pw / ph > 1.1 && ph * (W * 0.993 / pw) <= H;
    const double echelle = parLargeur ? W * 0.993 / pw : H * 0.924 / ph;
    const int largeur = static_cast<int>(std::lround(pw * echelle));
    const int hauteur = static_cast<int>(std::lround(ph * echelle));
    const int gauche = parLargeur ? 0 : static_cast<int>(std::lround((W * 0.993 - largeur) / 2));
    return QRect(gauche, 0, largeur, hauteur);
}

Disposition Disposition::calculer(const EntreeDisposition& e) {
    const int W = e.largeur, H = e.hauteur;
    Disposition d;
    // 1. The button row drops out of sight in a small window.
    if (W <= 7000 && H <= 7000)
        d.hautBarre = 9000;
    else
        d.hautBarre = e.barreTitre && !e.pleinEcran ? H - 850 : H - 400;
    // 2. Messages.
    d.cacherMessage = W < 7000;
    if (W > 2100)
        d.largeurMessageTexte = W - 2000;
    if (W - e.gaucheMessageBas - 500 > e.gaucheMessageBas)
        d.largeurMessageBas = W - e.gaucheMessageBas - 500;
    if (W - e.gaucheMessage - 500 > e.gaucheMessage)
        d.largeurMessage = W - e.gaucheMessage - 500;
    // 3. The photo, only when one is loaded (an empty picture has no aspect).
    if (e.image && e.image->width() > 0 && e.image->height() > 0)
        d.image = ajusterImage(*e.image, W, H);
    // 4. Zoom bars.
    d.hscroll2 = QRect(W - W / 4 - 400, H - 900, W / 4, epaisseurBarreZoom);
    d.vscroll2 = QRect(W - 400, H - H / 4 - 650, epaisseurBarreZoom, H / 4);
    d.vscroll1 = QRect(W - 700, H - H / 8 - 1200, epaisseurBarreZoom, H / 8);
    // 5. Search screen.
    auto& r = d.recherche;
    if (W >= 13400) {
        r.largeurListe = 5295;
        r.largeurContexteListe = 3855;
        r.gaucheDir4Frame = 5640;
        r.gaucheMusiquesListeMP3 = 10800;
        r.largeurChoixRepert = 9735;
        r.gaucheImage2 = 11400;
    } else {
        r.largeurListe = 4095;
        r.largeurContexteListe = 2775;
        r.gaucheDir4Frame = 4440;
        r.gaucheMusiquesListeMP3 = 9480;
        r.largeurChoixRepert = 8315;
        r.gaucheImage2 = 10100;
    }
    r.largeurMusiquesListeMP3 = W > 14800 ? 3600 : 2415;
    r.gauchePlaylistFrame = r.gaucheDir4Frame;
    r.gaucheLabelMusiquesListeRecherche = r.gaucheMusiquesListeMP3 + 700;
    r.gauchePlaylistAffichage = r.gaucheMusiquesListeMP3;
    r.gaucheLabelImage2 = r.gaucheImage2;
    // 6. Comment frame.
    d.largeurFrame4 = W - 1000;
    if (d.largeurFrame4 > 1000)
        d.largeurAjoutTexte = d.largeurFrame4 - 1000;
    // 7. Web browser.
    if (W > 2000)
        d.largeurWebBrowser1 = W - 100;
    if (H > 4000)
        d.hauteurWebBrowser1 = H - 1000;
    return d;
}
