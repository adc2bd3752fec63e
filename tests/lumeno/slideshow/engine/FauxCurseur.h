#pragma once

#include "CurseurDiaporama.h"

#include <QList>

#include <functional>

// A selection over a list of records, in order, with the history ring of the real one: each
// accepted record that is not the last of the catalogue is written to the next slot.
class FauxCurseur : public CurseurDiaporama {
public:
    QList<ElementVisu> enregistrements;
    std::function<bool(const ElementVisu&)> accepte = [](const ElementVisu&) { return true; };
    int position = 0; // next record to read
    ElementVisu courant;
    bool eof = false, dernierRetenu = false, nouvel = false;
    int ecriture = 0, lecture = 0;
    SlotHistorique anneau[21];
    bool modeCatalogue = true, modeAleatoire = false, veille = false, veilleAleatoire = false;
    int selections = 0, tirages = 0, relances = 0;
    QString anneeRelance, moisRelance;

    ElementVisu enregistrementCourant() const override { return courant; }
    void RechercheSelection() override {
        ++selections;
        while (position < enregistrements.size()) {
            courant = enregistrements[position++];
            if (!accepte(courant)) {
                dernierRetenu = false;
                continue;
            }
            dernierRetenu = true;
            nouvel = true;
            if (position >= enregistrements.size()) {
                eof = true;
                return;
            }
            ecriture = ecriture % 20 + 1;
            lecture = lecture % 20 + 1;
            anneau[ecriture] = {courant.VisuPhotoRep, courant.VisuPhotoNom, courant.VisuPhotoType};
            return;
        }
        eof = true;
    }
    void TirageAleatoire() override { ++tirages; }
    bool BddEOF() const override { return eof; }
    bool DernierRetenu() const override { return dernierRetenu; }
    bool NouvelAccepte() const override { return nouvel; }
    void effacerNouvelAccepte() override { nouvel = false; }
    int HistoEcriture() const override { return ecriture; }
    int HistoLecture() const override { return lecture; }
    void fixerHistoLecture(int slot) override { lecture = slot; }
    SlotHistorique Historique(int slot) const override { return anneau[slot]; }
    void prendreHistorique(int slot) override {
        courant.VisuPhotoRep = anneau[slot].rep;
        courant.VisuPhotoNom = anneau[slot].nom;
        courant.VisuPhotoType = anneau[slot].type;
    }
    bool ModeCatalogue() const override { return modeCatalogue; }
    void fixerModeCatalogue(bool actif) override { modeCatalogue = actif; }
    bool ModeExplorateur() const override { return false; }
    bool ModeAleatoire() const override { return modeAleatoire; }
    bool VeilleActive() const override { return veille; }
    void fixerVeilleActive(bool actif) override { veille = actif; }
    bool VeilleAleatoire() const override { return veilleAleatoire; }
    void fixerVeilleAleatoire(bool actif) override { veilleAleatoire = actif; }
    bool VeilleTrouve() const override { return true; }
    void finModesParticuliers() override {}
    void relancerDepuis(const QString& annee, const QString& mois) override {
        ++relances;
        anneeRelance = annee;
        moisRelance = mois;
        position = 0;
        eof = false;
    }
    void relancerVeille() override { position = 0, eof = false; }
};
