#pragma once

#include "ReglagesLumeno.h"
#include "RetourScan.h"
#include "Scan.h"

#include <QGroupBox>
#include <QPointer>

#include <array>
#include <functional>

class ChoixRacine;
class LancementScan;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// What the configuration screen needs from the main window that holds it. Every hook may stay
// empty; the widgets of the window are found by their names under `fenetre`.
struct LiensConfig {
    QWidget* fenetre = nullptr;   // the main window: its size, its bottom row, Frame2, Frame3
    QLabel* message = nullptr;    // `Message`
    QLabel* messageBas = nullptr; // `MessageBas`

    std::function<QString()> dossierProgramme;
    // Whether the screen may open: false when the program file was never seen in the program
    // folder (the window sets its presence flag again when it was seen before the command line).
    std::function<bool()> ouverturePermise;
    // The folder of the command-line file; empty when no file was given.
    std::function<QString()> dossierLigneCommande;
    // Opening: pause the slideshow, animate the companion, empty the search words, leave the
    // screen saver's mode, cancel the help screen when it shows.
    std::function<void()> avantOuverture;
    // Cancelling: the slideshow resumes (the ">" action).
    std::function<void()> repriseDiaporama;
    // The remembered normal size (twips) changed.
    std::function<void(int hauteur, int largeur)> tailleRetenue;
    // The values the screen does not hold (window place and size, slider, player flags) before they
    // are saved by a scan.
    std::function<void(ReglagesLumeno&)> completerReglages;
    std::function<void(RetourScan::Animation)> compagnon;
    // The end of a scan. With FinScan::Terminee or FinScan::ModeleAbsent the start-up chain
    // restarts at its program-folder step.
    std::function<void(const ResultatScan&)> finScan;
    // A renaming tool that started the scan: its signal and its count (reset to 0 by the caller
    // when the scan says so).
    std::function<std::pair<int, int>()> renommage;
};

// The configuration screen `Frame1`: the three catalogue roots, the machine's options, and the
// catalogue scan that saves them.
class EcranConfig : public QGroupBox {
    Q_OBJECT
public:
    explicit EcranConfig(LiensConfig liens, QWidget* parent = nullptr);
    ~EcranConfig() override;

    // The controls from the settings, and back. reglages() keeps every value it does not show
    // from the last chargerReglages().
    void chargerReglages(const ReglagesLumeno& reglages);
    ReglagesLumeno reglages() const;

    // "&Config", the menu entry and the search screen's button.
    void OuvreConfig_Click();
    // "&Annuler" and Escape: the controls go back to their state at opening.
    void AnnulConfig_Click();
    // "&Valider la Configuration": the scan, on a worker thread. False when it did not start.
    bool ValideConfig_Click();
    // The command-line file's folder becomes the first root.
    void ChoixStartConfig_Click();
    // The user quits during a scan.
    void annulerScan();
    bool scanEnCours() const;

    ChoixRacine* choix(int numero) const { return choix_.at(numero - 1); }

signals:
    void scanTermine(const ResultatScan& resultat);

private:
    void construire();
    QWidget* colonneRacines();
    QWidget* colonneMedias();
    QWidget* colonneSysteme();
    QCheckBox* coche(const char* nom, const QString& legende, const QString& infobulle = {});
    QLineEdit* texte(const char* nom, const QString& infobulle = {});
    QLabel* etiquette(const char* nom, const QString& legende, const QString& infobulle = {});
    void messageConfig(const QString& texte, bool gras = false);
    void montrer(const char* nom, bool visible) const;
    QWidget* controleFenetre(const char* nom) const;
    double dpi() const;
    bool fenetreNormale() const;
    void restaurerTaille();
    void moment(RetourScan::Moment m);
    void finScan(const ResultatScan& resultat);

    LiensConfig liens_;
    // The labels belong to the window, which may destroy them before this screen.
    QPointer<QLabel> message_;
    QPointer<QLabel> messageBas_;
    ReglagesLumeno base_;
    ReglagesLumeno aLOuverture_;
    int hauteurRetenue_ = 0; // twips
    int largeurRetenue_ = 0;
    std::array<ChoixRacine*, 3> choix_{};
    QLabel* MessageConfig_ = nullptr;
    QPushButton* ValideConfig_ = nullptr;
    QPushButton* AnnulConfig_ = nullptr;
    QPushButton* ChoixStartConfig_ = nullptr;
    QCheckBox *ConfigCheck6_ = nullptr, *ConfigCheck7_ = nullptr, *ConfigCheck8_ = nullptr,
              *ConfigCheck11_ = nullptr, *ConfigCheck12_ = nullptr, *ConfigCheckTri_ = nullptr,
              *TexteCheck16_ = nullptr, *QuickTimeCheck17_ = nullptr, *VocaleCheck19_ = nullptr,
              *PersonnagesCheck20_ = nullptr;
    QLineEdit *CouleurTexteHtml_ = nullptr, *FormatPhotos1_ = nullptr, *WebAutreURL_ = nullptr,
              *WebMotPasse_ = nullptr, *ConfigAutoJour_ = nullptr;
    LancementScan* lancement_ = nullptr;
};
