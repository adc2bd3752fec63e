#pragma once

#include "ActPhoto.h"
#include "CriteresSelection.h"
#include "GrilleContextes.h"
#include "ModesRecherche.h"
#include "Selection.h"

#include <QFrame>
#include <QGroupBox>
#include <QList>
#include <QStringList>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The search screen, frame Frame2 of the main window: the criteria of the next slideshow (start
// year and month, a free word, a word of the catalogue's list, the ticked folders, a context), the
// catalogue list with its preview, and the three starts. The screen takes the criteria and opens the
// selection; the main window, the slideshow and the mini-album do the rest through the hooks.
class EcranRecherche : public QGroupBox {
    Q_OBJECT
public:
    // What the main window and the other screens do for the search screen. An empty hook is skipped.
    struct Crochets {
        // Opening (A.1 to A.4): companion, window size, other frames hidden, slideshow paused,
        // bottom buttons hidden, labels and photo cleared.
        std::function<void()> ouvertureFenetre;
        // Opening (A.5, A.6): the caption labels, the help frame, the replay flags of the slideshow.
        std::function<void()> ouvertureDiaporama;
        // Cancel: the window's state and buttons back, then the slideshow resumes (or the single-file
        // restart of the slideshow).
        std::function<void()> annulation;
        // A slideshow start: the criteria are taken and the catalogue opened in key order; the window
        // sets its buttons, runs RechercheSelection and shows the first item.
        std::function<void(const CriteresSelection&)> diaporama;
        // An album start: the criteria are taken, album mode is set and the catalogue opened; the album
        // window shows itself and fills its page through RechercheSelection.
        std::function<void(const CriteresSelection&)> miniAlbum;
        // The random slideshow: ModeAleatoire is set; the window starts Timer1 and TirageAleatoire.
        std::function<void()> aleatoire;
        // The explorer panel's folder slideshow or the music list, chosen instead of a search.
        std::function<void()> diaporamaExplorateur;
        std::function<void()> jouerListeMusique;
        std::function<void()> ouvrirConfiguration;     // OuvreConfig3
        std::function<void()> rechercheWeb;            // RechercheWeb
        std::function<void()> finZoom;                 // the reset ends a zoom in progress
        std::function<void()> ignorerRelachementPhoto; // a double-click start: the next mouse-up on the photo
        // The contexts editor: the window opens it and hides itself.
        std::function<void()> ouvrirEditeurContextes;
        // The entry of the catalogue list, read by position (Tri): false when it cannot be read.
        std::function<bool(int tri, ActPhoto& fiche)> lireFiche;
        std::function<void()> reactionCompagnon; // companion's stop of animation at a start
    };

    EcranRecherche(CriteresSelection& criteres, EtatSelection& etat, ModesRecherche& modes,
                   Selection& selection, GrilleContextes& grille, QWidget* parent = nullptr);

    void installerCrochets(Crochets crochets) { crochets_ = std::move(crochets); }

    // The lists start-up fills.
    void remplirListe(const QStringList& noms, const QList<int>& positionsTri);
    void remplirRepertoires(const QStringList& repertoires); // every entry ticked
    void remplirContextes(const QStringList& noms);          // "(Aucun)" then the names
    void remplirMots(const QStringList& mots);               // " " then the words
    void remplirAnnees(const QStringList& annees);           // "" then the years
    void remplirMois(const QStringList& mois);               // "" then the months
    // Whether the contexts file was loaded.
    void contexteExiste(bool existe) { criteres_.ContexteExiste = existe; }

    // The resize rules of the window for this screen's controls, W in twips.
    void disposer(int largeurTwips);

    // Handlers, named by control and event.
    void OuvreRecherche_Click();
    void ResetRecherche_Click();
    void AnnulRecherche_Click();
    void CommenceRechercheDiaporama_Click();
    void CommenceRechercheMiniAlbum_Click();
    void RechercheAleatoire_Click();
    void InverseSelectionRepertoires_Click();
    void Liste_Click(int index);
    void Liste_DblClick(int index);
    void ContexteListe_DblClick();
    void ContexteDetails_Click();

    // Selecting an entry of the catalogue list from code (the reset, the automatic restart): the
    // entry becomes the start position and nothing else happens, so that the next selection always
    // walks the whole catalogue.
    void selectionnerEntreeListe(int index);

    // The word chosen in the word list (FormesMot::motListe of its text).
    QString motListe() const;

    // The panels of the other screens that live on this frame, for them to fill.
    QGroupBox* explorateur() const { return dir4Frame_; }
    QListWidget* musiques() const { return musiques_; }
    QFrame* playlistFrame() const { return playlistFrame_; }

private:
    void creerControles();
    void prendreCriteres(); // E.4 to E.7
    void effacerModesChoisis();
    void messageBaseInactive(const QString& texte);

    CriteresSelection& criteres_;
    EtatSelection& etat_;
    ModesRecherche& modes_;
    Selection& selection_;
    GrilleContextes& grille_;
    Crochets crochets_;
    QList<int> positionsTri_;

    QLabel* labelAnnee_;
    QComboBox* choixAnnee_;
    QLabel* labelMois_;
    QComboBox* choixMois_;
    QComboBox* listeMotDefini_;
    QLabel* labelMot_;
    QLineEdit* choixMot_;
    QLabel* labelRepert_;
    QListWidget* choixRepert_;
    QPushButton* inverse_;
    QLabel* labelContextes_;
    QListWidget* contexteListe_;
    QPushButton* contexteDetails_;
    QListWidget* liste_;
    QLabel* image2_;
    QLabel* labelImage2_;
    QGroupBox* dir4Frame_;
    QListWidget* musiques_;
    QLabel* labelMusiques_;
    QPushButton* playlistAffichage_;
    QFrame* playlistFrame_;
    QPushButton* ouvreConfig3_;
    QPushButton* annulRecherche_;
    QPushButton* resetRecherche_;
    QPushButton* rechercheWeb_;
    QPushButton* rechercheAleatoire_;
    QPushButton* commenceMiniAlbum_;
    QPushButton* commenceDiaporama_;
};
