#pragma once

#include "Ajustement.h"
#include "ChargeurPhoto.h"
#include "EtatAffichage.h"
#include "PrechargeurPhoto.h"
#include "VuePhoto.h"

#include <QObject>
#include <QPointF>
#include <QTimer>

class QRubberBand;

// The photo of the slideshow: fitting it to the window, drawing it, zooming into a rectangle and
// panning across it, and the clicks on the photo and on the window.
class AffichagePhoto : public QObject {
    Q_OBJECT
public:
    explicit AffichagePhoto(const VuePhoto& vue, QObject* parent = nullptr);
    ~AffichagePhoto() override;

    ActionsPhoto actions;
    EtatAffichage& etat() { return etat_; }
    const EtatAffichage& etat() const { return etat_; }

    // Fits and draws the photo of this file (the window grows first when it is too flat). On
    // failure nothing is drawn and the state says why.
    ChargeurPhoto::Etat afficher(const QString& chemin);
    // Decodes this photo ahead for the window as it is now.
    void precharger(const QString& chemin);
    // The photo cleared and redrawn (a text slide, a failure).
    void effacer();
    // Refit after a window resize: the same scale rule, nothing while no picture is loaded.
    void reajuster();

    void ZoomAnnule();
    void ZoomFin();
    void ZoomMenu2_Click();

    // Mouse on the photo; positions in twips relative to the photo.
    void Image1_MouseDown(Qt::MouseButton bouton, QPointF point);
    void Image1_MouseMove(QPointF point);
    void Image1_MouseUp(Qt::MouseButton bouton, QPointF point);
    void Image1_Click();
    void Image1_DblClick();
    // Events of the main window and of the text label, called by the window.
    void FenetreClick();
    void FenetreDblClick();
    void MessageTexteClick();

    void VScroll1_Change();
    void VScroll2_Change();
    void HScroll2_Change();

    // The window in twips as the fitting sees it.
    ChargeurPhoto::Cadre cadre() const;
    // The photo's current geometry, twips.
    const Ajustement::Geometrie& geometrie() const { return geometrie_; }

private:
    double dpi() const;
    QPointF versTwips(QPoint pixels) const;
    void placer(const Ajustement::Geometrie& g);
    void dessinerRectangle(QPointF point);
    void basculerEcran();
    void demanderDetail();
    void decoderDetail();
    void recevoirDetail(const QString& chemin, const QImage& detail, int generation);

    VuePhoto vue_;
    EtatAffichage etat_;
    PrechargeurPhoto prechargeur_;
    Ajustement::Geometrie geometrie_;
    QString chemin_;      // file of the photo on screen
    QSize tailleOrigine_; // its own size, pixels
    QRubberBand* elastique_ = nullptr;
    QTimer detail_; // a sharper decode once the size settles
    int generationDetail_ = 0;
};
