#pragma once

#include "CatalogueSqliteDemarrage.h"
#include "ChaineDemarrage.h"
#include "ControlesPrincipaux.h"
#include "CrochetsDemarrage.h"
#include "CrochetsFenetre.h"
#include "EtatDemarrage.h"
#include "EtatFenetre.h"

#include <QMap>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class ModesFenetre;
class VueFenetre;

// The main window: the photo, the two message labels, the button row, the screens shown over the
// photo and the two timers. It composes the other screens; start-up, layout, keys, modes and quit
// live in their own classes.
class FenetrePrincipale : public QWidget {
    Q_OBJECT
public:
    explicit FenetrePrincipale(const EtatDemarrage& etat, QWidget* parent = nullptr);
    ~FenetrePrincipale() override;

    // Puts a screen in place of its empty frame (Frame1 … Frame7, Frame5_Php, FrameHeure,
    // WebBrowser1): the screen takes the name, the parent and the place of the frame, hidden.
    // annulation is what Escape runs while the screen is visible (default: hides it).
    QWidget* installerEcran(const QString& nom, QWidget* ecran, std::function<void()> annulation = {});
    QWidget* ecran(const QString& nom) const;
    // Another top-level window of the program, closed by the quit sequence.
    void enregistrerFenetreAnnexe(QWidget* fenetre);

    ControlesPrincipaux& controles() { return c_; }
    EtatDemarrage& etat() { return etat_; }
    EtatFenetre& etatFenetre() { return ef_; }
    CrochetsDemarrage& crochets() { return crochets_; }
    CrochetsFenetre& crochetsFenetre() { return crochetsFenetre_; }
    ChaineDemarrage& demarrage() { return *chaine_; }
    CatalogueSqliteDemarrage& catalogue() { return catalogue_; }

    // The window's load: the whole start-up chain.
    void demarrer();
    // After a scan replaced the catalogue: start-up again from the program folder check.
    void redemarrerApresScan();

    // The photo shown in Image1, refitted at each resize; a null pixmap clears it.
    void afficherPhoto(const QPixmap& photo);

    void Timer1_Timer();
    void Timer2_Timer();
    void Quitter_Click();
    void EcranPlein();  // "Affichage plein écran"
    void Fenetre();     // "Affichage en Fenêtre (fin plein écran)"
    void EffaceBarre(); // "Efface la barre du haut"
    void PremierPlan(); // "Affiche toujours Lumeno au premier plan"
    void ClickSouris(); // "Mode click souris": the next key is swallowed

    // Sets the top of the button row to the bar top.
    void placerBarre();
    // The resize rules, for the current size.
    void disposer();

    // Twips of this window's screen.
    double dpi() const;
    int enTwips(int pixels) const;
    int enPixels(int twips) const;
    QRect enPixels(const QRect& twips) const;
    int largeurTwips() const { return enTwips(width()); }
    int hauteurTwips() const { return enTwips(height()); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool toucheAvantControles(int touche);
    void placerDessin();
    void preparerMenu();

    ControlesPrincipaux c_;
    EtatDemarrage etat_;
    EtatFenetre ef_;
    CrochetsDemarrage crochets_;
    CrochetsFenetre crochetsFenetre_;
    CatalogueSqliteDemarrage catalogue_;
    std::unique_ptr<VueFenetre> vue_;
    std::unique_ptr<ChaineDemarrage> chaine_;
    std::unique_ptr<ModesFenetre> modes_;
    QMap<QString, std::function<void()>> annulations_;
    QList<QPointer<QWidget>> annexes_;
    QPixmap photo_;
};
