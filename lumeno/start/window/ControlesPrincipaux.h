#pragma once

#include <QList>
#include <QString>

class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class QTimer;
class QWidget;

// The controls of the main window, by their names. The slideshow, the display and the screens reach
// them here (or through findChild with the same names).
struct ControlesPrincipaux {
    QLabel* Image1 = nullptr;       // the photo, stretched to the geometry the layout gives it
    QLabel* Message = nullptr;      // top label, white bold text
    QLabel* MessageBas = nullptr;   // bottom line
    QLabel* MessageTexte = nullptr; // short text of a comment or text slide
    QPushButton* Quitter = nullptr;
    QPushButton* OuvreConfig = nullptr;
    QPushButton* OuvreRecherche = nullptr;
    QPushButton* Miniature = nullptr;
    QPushButton* Arriere = nullptr;
    QPushButton* Marche3 = nullptr;
    QPushButton* Marche = nullptr;
    QPushButton* Pause = nullptr;
    QPushButton* ClavierBlanc = nullptr;
    QScrollBar* HScroll1 = nullptr; // slideshow pace
    QPushButton* NavigateurArriere = nullptr;
    QPushButton* NavigateurAvant = nullptr;
    QScrollBar* VScroll1 = nullptr; // zoom bars
    QScrollBar* VScroll2 = nullptr;
    QScrollBar* HScroll2 = nullptr;
    QTimer* Timer1 = nullptr; // slideshow
    QTimer* Timer2 = nullptr; // deferred actions
    QMenu* Menu = nullptr;    // pop-up menu; each screen adds its entries

    // The controls the bar top places, in the order the row shows them.
    QList<QWidget*> rangee() const;

    // Creates every control as a child of the window, with its name and caption.
    static ControlesPrincipaux creer(QWidget* fenetre);

    // The names of the screens shown over the photo; each starts as an empty frame.
    static const QStringList& nomsEcrans();
};
