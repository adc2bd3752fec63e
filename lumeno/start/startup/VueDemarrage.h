#pragma once

#include <QString>

struct ListesRecherche;

// Which controls of the bottom row are shown.
struct BoutonsVisibles {
    bool quitter = false, config = false, recherche = false, miniature = false, arriere = false,
         marche3 = false, marche = false, pause = false, clavierBlanc = false, curseur = false;
    QString legendeMiniature; // empty keeps the caption
};

// What start-up asks of the main window. The window only shows; the decisions are made by start-up.
class VueDemarrage {
public:
    virtual ~VueDemarrage() = default;
    virtual void messageHaut(const QString& texte) = 0; // Message
    virtual void messageBas(const QString& texte) = 0;  // MessageBas
    virtual void montrerMessageBas(bool visible) = 0;
    virtual void curseurAttente(bool attente) = 0;
    virtual void barreEnBasDeFenetre() = 0; // bar top = window height − 850
    virtual void armerTimer2(int etat, int millisecondes) = 0;
    virtual void arreterTimer2() = 0;
    virtual void pleinEcran() = 0;
    virtual void modeFenetre() = 0;
    virtual bool estMaximisee() const = 0;
    virtual bool etatNormal() const = 0;
    virtual void minimiser() = 0;
    // Top and left, height and width in twips; a value of 0 leaves that one as it is.
    virtual void placerFenetre(int haut, int gauche, int hauteur, int largeur) = 0;
    virtual void retenirTailleNormale(int hauteur, int largeur) = 0;
    virtual void intervalleTimer1(int millisecondes) = 0;
    virtual void demarrerTimer1() = 0;
    virtual void curseurVitesse(int valeur) = 0; // HScroll1
    virtual void boutons(const BoutonsVisibles& visibles) = 0;
    virtual void ouvrirConfiguration() = 0;
    virtual void ouvrirRecherche() = 0;
    virtual void listesPretes(const ListesRecherche& listes) = 0;
    virtual void quitter() = 0;
};
