#pragma once

#include "VueDemarrage.h"

class FenetrePrincipale;

// What start-up shows, shown by the main window.
class VueFenetre : public VueDemarrage {
public:
    explicit VueFenetre(FenetrePrincipale& fenetre) : f_(fenetre) {}
    ~VueFenetre() override;

    void messageHaut(const QString& texte) override;
    void messageBas(const QString& texte) override;
    void montrerMessageBas(bool visible) override;
    void curseurAttente(bool attente) override;
    void barreEnBasDeFenetre() override;
    void armerTimer2(int etat, int millisecondes) override;
    void arreterTimer2() override;
    void pleinEcran() override;
    void modeFenetre() override;
    bool estMaximisee() const override;
    bool etatNormal() const override;
    void minimiser() override;
    void placerFenetre(int haut, int gauche, int hauteur, int largeur) override;
    void retenirTailleNormale(int hauteur, int largeur) override;
    void intervalleTimer1(int millisecondes) override;
    void demarrerTimer1() override;
    void curseurVitesse(int valeur) override;
    void boutons(const BoutonsVisibles& visibles) override;
    void ouvrirConfiguration() override;
    void ouvrirRecherche() override;
    void listesPretes(const ListesRecherche& listes) override;
    void quitter() override;

    const ListesRecherche* listes() const { return listes_; }

private:
    FenetrePrincipale& f_;
    bool attente_ = false;
    const ListesRecherche* listes_ = nullptr;
};
