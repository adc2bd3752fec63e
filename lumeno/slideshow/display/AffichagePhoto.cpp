#include "AffichagePhoto.h"

#include "ImagePhoto.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QCursor>
#include <QLabel>
#include <QPointer>
#include <QRubberBand>
#include <QScrollBar>
#include <QThreadPool>

#include <algorithm>
#include <cmath>

namespace {

void montrer(QWidget* w, bool visible) {
    if (w)
        w->setVisible(visible);
}

bool appeler(const std::function<bool()>& f) {
    return f && f();
}

void appeler(const std::function<void()>& f) {
    if (f)
        f();
}

} // namespace

AffichagePhoto::AffichagePhoto(const VuePhoto& vue, QObject* parent) : QObject(parent), vue_(vue) {
    detail_.setSingleShot(true);
    detail_.setInterval(150);
    connect(&detail_, &QTimer::timeout, this, &AffichagePhoto::decoderDetail);
    if (ImagePhoto* image = vue_.Image1) {
        connect(image, &ImagePhoto::appui, this,
                [this](Qt::MouseButton b, QPoint p) { Image1_MouseDown(b, versTwips(p)); });
        connect(image, &ImagePhoto::deplacement, this, [this](QPoint p) { Image1_MouseMove(versTwips(p)); });
        connect(image, &ImagePhoto::relache, this,
                [this](Qt::MouseButton b, QPoint p) { Image1_MouseUp(b, versTwips(p)); });
        connect(image, &ImagePhoto::clic, this, &AffichagePhoto::Image1_Click);
        connect(image, &ImagePhoto::doubleClic, this, &AffichagePhoto::Image1_DblClick);
        elastique_ = new QRubberBand(QRubberBand::Rectangle, image);
    }
    if (vue_.VScroll1)
        connect(vue_.VScroll1, &QScrollBar::valueChanged, this, &AffichagePhoto::VScroll1_Change);
    if (vue_.VScroll2)
        connect(vue_.VScroll2, &QScrollBar::valueChanged, this, &AffichagePhoto::VScroll2_Change);
    if (vue_.HScroll2)
        connect(vue_.HScroll2, &QScrollBar::valueChanged, this, &AffichagePhoto::HScroll2_Change);
}

AffichagePhoto::~AffichagePhoto() = default;

double AffichagePhoto::dpi() const {
    const QWidget* w = vue_.fenetre ? vue_.fenetre : vue_.Image1;
    return w ? w->logicalDpiX() : 96.0;
}

QPointF AffichagePhoto::versTwips(QPoint pixels) const {
    const double t = Twips::parPixel(dpi());
    return QPointF(pixels.x() * t, pixels.y() * t);
}

ChargeurPhoto::Cadre AffichagePhoto::cadre() const {
    ChargeurPhoto::Cadre c;
    c.dpi = dpi();
    if (vue_.fenetre) {
        c.fenetre.largeur = Twips::depuisPixels(vue_.fenetre->width(), c.dpi);
        c.fenetre.hauteur = Twips::depuisPixels(vue_.fenetre->height(), c.dpi);
        c.fenetre.pleinEcran =
            appeler(vue_.pleinEcran) || vue_.fenetre->isFullScreen() || vue_.fenetre->isMaximized();
    }
    return c;
}

void AffichagePhoto::placer(const Ajustement::Geometrie& g) {
    geometrie_ = g;
    if (!vue_.Image1)
        return;
    const double d = dpi();
    vue_.Image1->setGeometry(Twips::versPixels(g.gauche, d), Twips::versPixels(g.haut, d),
                             ChargeurPhoto::pixels(g.largeur, d), ChargeurPhoto::pixels(g.hauteur, d));
}

void AffichagePhoto::precharger(const QString& chemin) {
    prechargeur_.demander(chemin, cadre());
}

ChargeurPhoto::Etat AffichagePhoto::afficher(const QString& chemin) {
    ChargeurPhoto::Cadre c = cadre();
    std::optional<ChargeurPhoto::Photo> pret = prechargeur_.prendre(chemin, c);
    ChargeurPhoto::Photo photo = pret ? std::move(*pret) : ChargeurPhoto::charger(chemin, c);
    if (photo.etat != ChargeurPhoto::Etat::Affichable)
        return photo.etat;

    const Ajustement::Resultat& r = photo.ajustement;
    double H = c.fenetre.hauteur;
    if (r.nouvelleHauteurFenetre && vue_.fenetre) {
        H = *r.nouvelleHauteurFenetre;
        vue_.fenetre->resize(vue_.fenetre->width(), Twips::versPixels(H, c.dpi));
    }
    if (c.fenetre.largeur > 7000 && !c.fenetre.pleinEcran && vue_.placerBarre) {
        const bool titre = !vue_.barreTitre || vue_.barreTitre();
        vue_.placerBarre(static_cast<int>(std::lround(H - (titre ? 850 : 400))));
    }

    montrer(vue_.Image1, false);
    ++generationDetail_;
    chemin_ = chemin;
    tailleOrigine_ = photo.tailleOrigine;
    placer(r.photo);
    if (vue_.Image1) {
        vue_.Image1->setImage(photo.image);
        vue_.Image1->show();
        vue_.Image1->update();
    }
    etat_.LargeurNormale = r.photo.largeur;
    etat_.HauteurNormale = r.photo.hauteur;
    etat_.GaucheNormale = r.photo.gauche;
    etat_.PhotoAffichee = true;
    return ChargeurPhoto::Etat::Affichable;
}

void AffichagePhoto::effacer() {
    ++generationDetail_;
    chemin_.clear();
    tailleOrigine_ = QSize();
    if (vue_.Image1) {
        vue_.Image1->effacer();
        vue_.Image1->update();
    }
}

void AffichagePhoto::reajuster() {
    // Without a picture there is no aspect to fit.
    if (!vue_.Image1 || vue_.Image1->image().isNull() || tailleOrigine_.isEmpty())
        return;
    const ChargeurPhoto::Cadre c = cadre();
    const Ajustement::Geometrie g = Ajustement::reajuster(c.fenetre.largeur, c.fenetre.hauteur,
                                                          tailleOrigine_.width(), tailleOrigine_.height());
    placer(g);
    demanderDetail();
    vue_.Image1->show();
    etat_.LargeurNormale = g.largeur;
    etat_.HauteurNormale = g.hauteur;
    etat_.GaucheNormale = g.gauche;
}

void AffichagePhoto::ZoomAnnule() {
    montrer(vue_.Image1, false);
    placer({etat_.GaucheNormale, 0, etat_.LargeurNormale, etat_.HauteurNormale});
    // The detail decoded for the zoom is brought back to the fitted size once, so that later
    // repaints are plain copies.
    if (vue_.Image1 && vue_.Image1->image().width() > vue_.Image1->width() * 3 / 2) {
        ++generationDetail_;
        vue_.Image1->setImage(vue_.Image1->image().scaled(vue_.Image1->size(), Qt::IgnoreAspectRatio,
                                                          Qt::SmoothTransformation));
    }
    if (vue_.Message)
        vue_.Message->clear();
    montrer(vue_.Image1, true);
    if (elastique_)
        elastique_->hide();
    etat_.SelectionEnCours = false;
    etat_.ZoomEnCalcul = false;
    etat_.TailleNormale = true;
    ZoomFin();
}

void AffichagePhoto::ZoomFin() {
    etat_.ZoomActif = false;
    if (actions.zoomActif)
        actions.zoomActif(false);
    montrer(vue_.VScroll2, false);
    montrer(vue_.HScroll2, false);
    montrer(vue_.VScroll1, false);
}

void AffichagePhoto::ZoomMenu2_Click() {
    montrer(vue_.VScroll1, true);
    montrer(vue_.VScroll2, true);
    montrer(vue_.HScroll2, true);
    etat_.ZoomActif = true;
    if (actions.zoomActif)
        actions.zoomActif(true);
}

void AffichagePhoto::Image1_MouseDown(Qt::MouseButton bouton, QPointF point) {
    if (appeler(actions.modeClickSouris)) {
        if (bouton == Qt::LeftButton)
            appeler(actions.pasEnAvant);
        else if (bouton == Qt::RightButton)
            appeler(actions.pasEnArriere);
        return;
    }
    if (bouton == Qt::RightButton) {
        if (actions.ouvrirMenu && vue_.Image1)
            actions.ouvrirMenu(QCursor::pos());
        return;
    }
    if (bouton != Qt::LeftButton || !etat_.PhotoAffichee)
        return;
    etat_.coins = {point.x(), point.y(), point.x(), point.y()};
    etat_.dernierX = point.x();
    etat_.dernierY = point.y();
    if (vue_.Image1)
        vue_.Image1->setCursor(Qt::CrossCursor);
    etat_.SelectionEnCours = true;
    if (!etat_.TailleNormale && vue_.Message)
        vue_.Message->setText(QStringLiteral("Pour retour au format normal : Touche Echap."));
}

void AffichagePhoto::dessinerRectangle(QPointF point) {
    if (!elastique_)
        return;
    const double d = dpi();
    const CalculZoom::Rectangle r =
        CalculZoom::ordonner(etat_.coins.x0, etat_.coins.y0, point.x(), point.y());
    elastique_->setGeometry(Twips::versPixels(r.x0, d), Twips::versPixels(r.y0, d),
                            Twips::versPixels(r.x1 - r.x0, d), Twips::versPixels(r.y1 - r.y0, d));
    elastique_->show();
}

void AffichagePhoto::Image1_MouseMove(QPointF point) {
    if (!etat_.SelectionEnCours || !etat_.PhotoAffichee || appeler(actions.modeClickSouris))
        return;
    dessinerRectangle(point);
    etat_.dernierX = point.x();
    etat_.dernierY = point.y();
}

void AffichagePhoto::Image1_MouseUp(Qt::MouseButton bouton, QPointF point) {
    if (!etat_.PhotoAffichee || appeler(actions.modeClickSouris))
        return;
    if (etat_.IgnoreRelache) {
        etat_.IgnoreRelache = false;
        return;
    }
    // Only the release of a drag started on the photo closes a rectangle (not the right button
    // that opened the menu).
    if (bouton != Qt::LeftButton || !etat_.SelectionEnCours)
        return;
    if (vue_.Image1)
        vue_.Image1->setCursor(Qt::ArrowCursor);
    if (elastique_)
        elastique_->hide();
    etat_.coins = CalculZoom::ordonner(etat_.coins.x0, etat_.coins.y0, point.x(), point.y());
    const std::optional<int> valeur =
        CalculZoom::valeurBarre(etat_.coins, geometrie_.largeur, geometrie_.hauteur, etat_.FacteurZoom);
    if (!valeur) {
        ZoomAnnule();
        return;
    }
    etat_.SelectionEnCours = false;
    // A rectangle larger than the photo asks for less than x1: the zoom bar cannot take it.
    if (!vue_.VScroll1 || *valeur < vue_.VScroll1->minimum())
        return;
    vue_.VScroll1->setValue(*valeur);
    montrer(vue_.VScroll1, true);
    montrer(vue_.VScroll2, true);
    montrer(vue_.HScroll2, true);
    etat_.ZoomActif = true;
    etat_.TailleNormale = false;
    if (actions.zoomActif)
        actions.zoomActif(true);
}

void AffichagePhoto::demanderDetail() {
    // Meanwhile the photo is drawn stretched; a resize drag asks once it stops.
    if (vue_.Image1 && !chemin_.isEmpty())
        detail_.start();
}

void AffichagePhoto::decoderDetail() {
    // The photo was decoded for its earlier size: a larger view gets the detail of the file,
    // decoded on a worker so that the window stays responsive.
    if (!vue_.Image1 || chemin_.isEmpty())
        return;
    const QSize voulu = vue_.Image1->size().boundedTo(tailleOrigine_);
    if (vue_.Image1->image().width() >= voulu.width())
        return;
    const int generation = ++generationDetail_;
    const QString chemin = chemin_;
    QPointer<AffichagePhoto> soi(this);
    QThreadPool::globalInstance()->start([soi, chemin, voulu, generation] {
        const QImage detail = ChargeurPhoto::decoder(chemin, voulu);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [soi, chemin, detail, generation] {
                if (soi)
                    soi->recevoirDetail(chemin, detail, generation);
            },
            Qt::QueuedConnection);
    });
}

void AffichagePhoto::recevoirDetail(const QString& chemin, const QImage& detail, int generation) {
    // A detail asked for another photo, or overtaken by a later request, is dropped.
    if (generation != generationDetail_ || chemin != chemin_ || detail.isNull() || !vue_.Image1)
        return;
    vue_.Image1->setImage(detail);
}

void AffichagePhoto::VScroll1_Change() {
    if (!vue_.VScroll1 || !etat_.PhotoAffichee)
        return;
    etat_.ZoomEnCalcul = true;
    const double f = vue_.VScroll1->value() / 10.0;
    etat_.FacteurZoom = f;
    montrer(vue_.Image1, false);
    const ChargeurPhoto::Cadre c = cadre();
    const std::optional<CalculZoom::Position> p =
        CalculZoom::appliquer(f, etat_.coins.x0, etat_.coins.y0, etat_.LargeurNormale, etat_.HauteurNormale,
                              c.fenetre.largeur, c.fenetre.hauteur);
    if (!p) {
        ZoomAnnule();
        return;
    }
    placer({p->gauche, p->haut, p->largeur, p->hauteur});
    if (vue_.VScroll2)
        vue_.VScroll2->setValue(p->barreVerticale);
    if (vue_.HScroll2)
        vue_.HScroll2->setValue(p->barreHorizontale);
    demanderDetail();
    montrer(vue_.Image1, true);
    etat_.ZoomEnCalcul = false;
}

void AffichagePhoto::VScroll2_Change() {
    if (etat_.ZoomEnCalcul || !etat_.PhotoAffichee || !vue_.VScroll2)
        return;
    Ajustement::Geometrie g = geometrie_;
    g.haut = CalculZoom::deplacement(cadre().fenetre.hauteur, g.hauteur, vue_.VScroll2->value());
    placer(g);
}

void AffichagePhoto::HScroll2_Change() {
    if (etat_.ZoomEnCalcul || !etat_.PhotoAffichee || !vue_.HScroll2)
        return;
    Ajustement::Geometrie g = geometrie_;
    g.gauche = CalculZoom::deplacement(cadre().fenetre.largeur, g.largeur, vue_.HScroll2->value());
    placer(g);
}

void AffichagePhoto::Image1_Click() {
    if (appeler(actions.veilleActive)) {
        appeler(actions.quitter);
        return;
    }
    if (etat_.PhotoAffichee)
        appeler(actions.pause);
}

void AffichagePhoto::basculerEcran() {
    if (appeler(actions.fenetreMaximisee) ||
        (!actions.fenetreMaximisee && vue_.fenetre && vue_.fenetre->isMaximized()))
        appeler(actions.fenetreNormale);
    else
        appeler(actions.ecranPlein);
}

void AffichagePhoto::Image1_DblClick() {
    etat_.IgnoreRelache = true;
    basculerEcran();
}

void AffichagePhoto::FenetreClick() {
    if (appeler(actions.veilleActive)) {
        appeler(actions.quitter);
        return;
    }
    if (appeler(actions.elementTexte))
        appeler(actions.debutAjoutTexte);
    else
        appeler(actions.pause);
}

void AffichagePhoto::FenetreDblClick() {
    if (appeler(actions.veilleActive)) {
        appeler(actions.quitter);
        return;
    }
    if (appeler(actions.elementTexte))
        appeler(actions.debutAjoutTexte);
    basculerEcran();
}

void AffichagePhoto::MessageTexteClick() {
    if (appeler(actions.elementTexte))
        appeler(actions.debutAjoutTexte);
}
