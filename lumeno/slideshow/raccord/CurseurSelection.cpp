#include "CurseurSelection.h"

#include "ActPhoto.h"
#include "CriteresSelection.h"
#include "ModesRecherche.h"
#include "Selection.h"

CurseurSelection::CurseurSelection(Selection& selection, ActPhoto& courant, CriteresSelection& criteres,
                                   EtatSelection& etat, ModesRecherche& modes)
    : selection_(selection), courant_(courant), criteres_(criteres), etat_(etat), modes_(modes) {}

ElementVisu CurseurSelection::enregistrementCourant() const {
    ElementVisu e;
    e.VisuPhotoNom = courant_.Nom;
    e.VisuPhotoRep = courant_.Rep;
    e.VisuPhotoType = courant_.Type;
    e.VisuPhotoAnnee = courant_.Annee;
    e.VisuPhotoMois = courant_.Mois;
    e.VisuPhotoRab = courant_.Rab;
    e.VisuPhotoValide = courant_.Valide;
    e.VisuPhotoClef = courant_.Clef;
    e.VisuPhotoMots = courant_.Mots;
    e.VisuPhotoComplement = courant_.Complement;
    return e;
}

void CurseurSelection::RechercheSelection() {
    if (selection_.RechercheSelection() == Selection::Resultat::Erreur && erreurSelection)
        erreurSelection(selection_.erreur());
}

void CurseurSelection::TirageAleatoire() {
    const int n = nombreEnregistrements ? nombreEnregistrements() : 0;
    if (selection_.TirageAleatoire(n) == Selection::Resultat::Erreur && erreurSelection)
        erreurSelection(selection_.erreur());
}

bool CurseurSelection::BddEOF() const {
    return etat_.BddEOF;
}
bool CurseurSelection::DernierRetenu() const {
    return etat_.DernierRetenu;
}
bool CurseurSelection::NouvelAccepte() const {
    return etat_.NouvelleSelection;
}
void CurseurSelection::effacerNouvelAccepte() {
    etat_.NouvelleSelection = false;
}
int CurseurSelection::HistoEcriture() const {
    return etat_.historique.HistoEcriture;
}
int CurseurSelection::HistoLecture() const {
    return etat_.historique.HistoLecture;
}
void CurseurSelection::fixerHistoLecture(int slot) {
    etat_.historique.HistoLecture = slot;
}

SlotHistorique CurseurSelection::Historique(int slot) const {
    if (slot < 1 || slot > ::Historique::kTaille)
        return {};
    const ::Historique::Element& e = etat_.historique.elements[slot];
    return {e.rep, e.nom, e.type};
}

void CurseurSelection::prendreHistorique(int slot) {
    const SlotHistorique s = Historique(slot);
    courant_.Rep = s.rep;
    courant_.Nom = s.nom;
    courant_.Type = s.type;
}

bool CurseurSelection::ModeCatalogue() const {
    return modes_.ModeCatalogue;
}
void CurseurSelection::fixerModeCatalogue(bool actif) {
    modes_.ModeCatalogue = actif;
}
bool CurseurSelection::ModeExplorateur() const {
    return modes_.ModeExplorateur;
}
bool CurseurSelection::ModeAleatoire() const {
    return modes_.ModeAleatoire;
}
bool CurseurSelection::VeilleActive() const {
    return criteres_.VeilleActive;
}
void CurseurSelection::fixerVeilleActive(bool actif) {
    criteres_.VeilleActive = actif;
}
bool CurseurSelection::VeilleTrouve() const {
    return etat_.VeilleTrouve;
}

void CurseurSelection::finModesParticuliers() {
    modes_.ModeExplorateur = false;
    modes_.ModeListeMusique = false;
}

void CurseurSelection::ouvrir() {
    if (!selection_.ouvrir() && erreurSelection)
        erreurSelection(selection_.erreur());
}

void CurseurSelection::relancerDepuis(const QString& annee, const QString& mois) {
    criteres_.toutRetenir();
    ouvrir();
    criteres_.AnneeRecherche = annee;
    criteres_.MoisRecherche = mois;
    criteres_.MotRecherche.clear();
    criteres_.TriDepart = 0;
    etat_.ModeMiniAlbum = false;
    criteres_.ContexteChoisi = kAucunContexte;
    criteres_.preparerMots();
    if (ecranRelance)
        ecranRelance(annee, mois);
}

void CurseurSelection::relancerVeille() {
    ouvrir();
    criteres_.AnneeRecherche.clear();
    criteres_.MoisRecherche.clear();
    criteres_.MotRecherche = motVeille ? motVeille() : QString();
    criteres_.ContexteChoisi = kAucunContexte;
    criteres_.preparerMots();
    criteres_.TriDepart = 0;
}
