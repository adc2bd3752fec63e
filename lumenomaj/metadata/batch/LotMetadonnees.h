#pragma once

#include "AnalyseNom.h"
#include "Equilibre.h"
#include "PhotoMetadonnees.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

// What a batch job tells its window.
struct SortiesLot {
    std::function<void(const QString&)> afficher;                        // the progress label
    std::function<void(const QString&)> journal;                         // the update log
    std::function<void(const PhotoMetadonnees&)> photoChargee;           // the boxes show this photo
    std::function<void(const QString& titre, const QString& texte)> fin; // end message; the program ends
    std::function<void()> arrete; // stopped on request; the program ends
};

// The two jobs over every JPEG of a folder, one step a tick of a timer so that the window shows the
// progress and the user can stop between photos: the filler writes the fields of each photo from its
// name; the renamer gives each undated photo a name made of its EXIF date.
class LotMetadonnees : public QObject {
    Q_OBJECT
public:
    enum class Mode { Remplissage, Renommage };

    static constexpr int kPasParDefaut = 1500;

    LotMetadonnees(Mode mode, QString dossier, SortiesLot sorties, QObject* parent = nullptr);

    void definirPas(int millisecondes) { timer_.setInterval(millisecondes); }
    // The largest plausible year of an EXIF date (the renamer refuses later ones).
    void definirAnneeMaxi(int annee) { anneeMaxi_ = annee; }

    // Lists the folder's photos once and starts with the first one.
    void demarrer(const OptionsEquilibre& options);
    // The job ends after the photo in work.
    void demanderArret() { arretDemande_ = true; }

    // One step; the timer calls it, tests may too.
    void tic();

    int etapeLot() const { return etapeLot_; }
    int compteurPhoto() const { return compteurPhoto_; }
    bool arretDemande() const { return arretDemande_; }
    bool enCours() const { return enCours_; }
    QTimer& timer() { return timer_; }
    const QStringList& fichiers() const { return fichiers_; }
    const PhotoMetadonnees& photo() const { return photo_; }

    // The JPEG files of a folder ("*.jpg" in any case), in name order.
    static QStringList photosDuDossier(const QString& dossier);

private:
    void relancer(int etape);
    void lireRemplissage();
    void equilibrer();
    void ecrire();
    void finPhoto();
    void lireRenommage();
    void renommer();
    void terminer(const QString& titre, const QString& texte);
    QString numero() const { return QString::number(compteurPhoto_ + 1); }
    void afficher(const QString& texte);
    void journal(const QString& texte);

    Mode mode_;
    QString dossier_;
    SortiesLot sorties_;
    OptionsEquilibre options_;
    QTimer timer_;
    QStringList fichiers_;
    int compteurPhoto_ = 0;
    int etapeLot_ = 0;
    bool arretDemande_ = false;
    bool enCours_ = false;
    int anneeMaxi_;

    QString chemin_;
    QString nomBase_;
    NomAnalyse analyse_;
    PhotoMetadonnees photo_;
    int echecs_ = 0;
    int renommees_ = 0;
    int occupees_ = 0;
};
