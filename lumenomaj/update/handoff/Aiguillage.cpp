#include "Aiguillage.h"

#include "FichiersEchange.h"
#include "LignesTexte.h"

#include <QFileInfo>

namespace {

bool existe(const QString& dossierProgramme, const QString& nom) {
    return QFileInfo::exists(FichiersEchange::chemin(dossierProgramme, nom));
}

} // namespace

namespace Aiguillage {

Travail choisir(const QString& dossierProgramme) {
    Travail travail;
    const QString commande = FichiersEchange::chemin(dossierProgramme, FichiersEchange::kCommande);
    if (!existe(dossierProgramme, FichiersEchange::kDemandeMiseAJour) && QFileInfo::exists(commande)) {
        const LignesTexte::Lecture lecture = LignesTexte::lire(commande);
        if (!lecture.ok) {
            travail.remarques << QStringLiteral("Le fichier de commande ") + commande +
                                     QStringLiteral(" ne peut pas être lu.");
        } else {
            travail.commande = CommandesMaj::analyser(lecture.lignes);
            if (!std::holds_alternative<SansCommande>(travail.commande)) {
                travail.genre = Travail::Genre::Commande;
                return travail;
            }
        }
    }
    if (existe(dossierProgramme, FichiersEchange::kPhase2ALancer))
        travail.genre = Travail::Genre::Phase2;
    else if (existe(dossierProgramme, FichiersEchange::kDemandeMiseAJour))
        travail.genre = Travail::Genre::Phase1;
    else
        travail.genre = Travail::Genre::LancerLumeno;
    return travail;
}

} // namespace Aiguillage
