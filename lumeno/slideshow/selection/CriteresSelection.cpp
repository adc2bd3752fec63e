#include "CriteresSelection.h"

#include "FormesMot.h"

void CriteresSelection::preparerMots() {
    MotRecherche = MotRecherche.trimmed();
    for (QString& m : MotsRecherche)
        m.clear();
    const auto formes = FormesMot::huitFormes(MotRecherche);
    for (int k = 0; k < 8; ++k)
        MotsRecherche[k + 1] = formes[k];
}

void CriteresSelection::toutRetenir() {
    RepertRetenu.assign(RepertChoix.size(), true);
    TousRepertRetenus = true;
}

void CriteresSelection::retenir(const std::vector<bool>& coches) {
    RepertRetenu.assign(RepertChoix.size(), false);
    TousRepertRetenus = true;
    for (qsizetype i = 0; i < RepertChoix.size(); ++i) {
        const bool coche = i < static_cast<qsizetype>(coches.size()) && coches[i];
        RepertRetenu[i] = coche;
        if (!coche)
            TousRepertRetenus = false;
    }
}

void CriteresSelection::choisirContexte(const GrilleContextes& grille, const QString& texteListe) {
    ContexteChoisi = texteListe;
    if (ContexteChoisi != kAucunContexte && ContexteExiste)
        ContexteChoisi = ChargeLignesContexte(grille, ContexteChoisi, ContexteDemarrage, LignesContexte_);
}
