#include "AppliquerDisposition.h"

#include "DispositionFenetre.h"
#include "FenetrePrincipale.h"

#include <QLabel>
#include <QScrollBar>

namespace {

void largeur(FenetrePrincipale& f, const char* nom, int twips) {
    if (auto* w = f.findChild<QWidget*>(QLatin1String(nom)))
        w->resize(f.enPixels(twips), w->height());
}

void gauche(FenetrePrincipale& f, const char* nom, int twips) {
    if (auto* w = f.findChild<QWidget*>(QLatin1String(nom)))
        w->move(f.enPixels(twips), w->y());
}

void hauteur(FenetrePrincipale& f, const char* nom, int twips) {
    if (auto* w = f.findChild<QWidget*>(QLatin1String(nom)))
        w->resize(w->width(), f.enPixels(twips));
}

} // namespace

void appliquerDisposition(FenetrePrincipale& f, const Disposition& d) {
    ControlesPrincipaux& c = f.controles();
    f.etatFenetre().hautBarre = d.hautBarre;
    f.placerBarre();
    if (d.cacherMessage)
        c.Message->hide();
    if (d.largeurMessageTexte)
        c.MessageTexte->resize(f.enPixels(*d.largeurMessageTexte), c.MessageTexte->height());
    if (d.largeurMessageBas)
        c.MessageBas->resize(f.enPixels(*d.largeurMessageBas), c.MessageBas->height());
    if (d.largeurMessage)
        c.Message->resize(f.enPixels(*d.largeurMessage), c.Message->height());
    if (d.image) {
        c.Image1->setGeometry(f.enPixels(*d.image));
        c.Image1->lower();
        f.etatFenetre().zoomReset = *d.image;
    }
    c.HScroll2->setGeometry(f.enPixels(d.hscroll2));
    c.VScroll2->setGeometry(f.enPixels(d.vscroll2));
    c.VScroll1->setGeometry(f.enPixels(d.vscroll1));

    const DispositionRecherche& r = d.recherche;
    largeur(f, "Liste", r.largeurListe);
    largeur(f, "ContexteListe", r.largeurContexteListe);
    gauche(f, "Dir4Frame", r.gaucheDir4Frame);
    gauche(f, "MusiquesListeMP3", r.gaucheMusiquesListeMP3);
    largeur(f, "ChoixRepert", r.largeurChoixRepert);
    gauche(f, "Image2", r.gaucheImage2);
    largeur(f, "MusiquesListeMP3", r.largeurMusiquesListeMP3);
    gauche(f, "PlaylistFrame", r.gauchePlaylistFrame);
    gauche(f, "LabelMusiquesListeRecherche", r.gaucheLabelMusiquesListeRecherche);
    gauche(f, "PlaylistAffichage", r.gauchePlaylistAffichage);
    gauche(f, "LabelImage2", r.gaucheLabelImage2);

    largeur(f, "Frame4", d.largeurFrame4);
    if (d.largeurAjoutTexte)
        largeur(f, "AjoutTexte", *d.largeurAjoutTexte);
    if (d.largeurWebBrowser1)
        largeur(f, "WebBrowser1", *d.largeurWebBrowser1);
    if (d.hauteurWebBrowser1)
        hauteur(f, "WebBrowser1", *d.hauteurWebBrowser1);
}
