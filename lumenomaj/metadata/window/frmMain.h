#pragma once

#include "ControlesMetadonnees.h"

#include <AnalyseNom.h>
#include <Equilibre.h>
#include <LotMetadonnees.h>
#include <PhotoMetadonnees.h>

#include <QWidget>

#include <functional>
#include <memory>

// What the window is opened for.
enum class ModeFenetre {
    LecturePhoto,  // one photo: show, fill from the name, edit, save
    DateExif,      // rename every photo of the folder after its EXIF date
    EcrireDossier, // fill the fields of every photo of the folder from its name
};

struct OuvertureFenetre {
    ModeFenetre mode = ModeFenetre::LecturePhoto;
    QString dossier;    // the folder of the photo, or of the batch
    QString nomFichier; // the photo's file name (read mode)
    FormatNoms format;
};

// The metadata window: everything one photo carries (XP fields, EXIF directories, maker note, IPTC
// datasets), the editing of those fields, and the two batch jobs over a folder that load each photo
// through the same boxes.
class frmMain : public QWidget {
    Q_OBJECT
public:
    struct Sorties {
        std::function<void(const QString&)> journal; // the update log
        std::function<void()> terminer;              // LumenoMaj ends
    };

    explicit frmMain(Sorties sorties, QWidget* parent = nullptr);
    ~frmMain() override;

    // Prepares the window for its mode and, in read mode, loads the photo.
    void DebutExif1(const OuvertureFenetre& ouverture);
    // Loads the photo of the current path and fills every control.
    void DebutExifLumeno();

    // The step of the batch timer (1.5 s by default).
    void definirPasLot(int millisecondes) { pasLot_ = millisecondes; }
    LotMetadonnees* lot() const { return lot_.get(); }
    const PhotoMetadonnees& photo() const { return photo_; }
    ControlesMetadonnees& controles() { return c_; }
    // The folder the folder frame points at.
    QString dossierChoisi() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void afficherPhoto(const PhotoMetadonnees& photo);
    void afficherListesExif();
    void afficherChamps(const ChampsPhoto& champs);
    ChampsPhoto lireChamps() const;
    OptionsEquilibre options() const;
    void pointerDossier(const QString& dossier);

    void ChoixDossier_Click();
    void Quitter3_Click();
    void Quitter_Click();
    void Modification_Click();
    void Equilibre1_Click();
    void Sauver_Click();
    void cmdValid_Click();
    void cbEXIFIFD_Click();
    void cbEXIFTags_Click();
    void terminer();

    Sorties sorties_;
    ControlesMetadonnees c_;
    OuvertureFenetre ouverture_;
    QString cheminPhoto_;
    QString nomBase_;
    NomAnalyse analyse_;
    PhotoMetadonnees photo_;
    std::unique_ptr<LotMetadonnees> lot_;
    int pasLot_ = LotMetadonnees::kPasParDefaut;
    bool fini_ = false;
};
