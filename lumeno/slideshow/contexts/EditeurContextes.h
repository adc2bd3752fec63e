#pragma once

#include "GrilleContextes.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;

// The contexts editor, window Form2: a grid of text cells over the contexts grid, typed into key by
// key (letters, digits, Space empties a cell, Backspace removes its last character), saved to the
// contexts file with its backup.
class EditeurContextes : public QWidget {
    Q_OBJECT
public:
    struct Crochets {
        std::function<void()> montrerFenetrePrincipale; // leaving the editor shows the main window again
        std::function<void(const QStringList& noms)> contextesRecharges; // after a save: "(Aucun)" + names
        std::function<void()> aide;                                      // F1
        std::function<void()> quitterProgramme; // the window closed by its system menu
    };

    EditeurContextes(GrilleContextes& grille, QWidget* parent = nullptr);

    void installerCrochets(Crochets crochets) { crochets_ = std::move(crochets); }
    // Where the file lives and the catalogue's year range used when the file is read again.
    void parametrer(const QString& dossierProgramme, int anneeMaxi, int anneeMini);

    // Shows the grid's current content (Form_Load); letters go in lower case.
    void ouvrir();

    // "Enregistrer ": writes the file and its backup, closes and reloads. On failure the message box
    // says so and the editor stays open. Returns true when saved.
    bool ContexteEnregistrer();
    // "Quitter sans Enregistrer": the edits stay in the grid until the contexts are loaded again.
    void ContexteQuitter2_Click();

    bool modeMinuscules() const { return modeMinuscules_; }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    void Form_KeyDown(int touche);
    void afficherCellule(int ligne, int colonne);
    void rafraichir();
    void majLabelMinuscules();

    GrilleContextes& grille_;
    Crochets crochets_;
    QString dossier_;
    int anneeMaxi_ = 0;
    int anneeMini_ = 0;
    bool modeMinuscules_ = true;
    bool fermetureVoulue_ = false;

    QTableWidget* grilleVue_;
    QPushButton* enregistrer_;
    QPushButton* quitter_;
    QLabel* minuscules_;
    QLabel* info_;
};
