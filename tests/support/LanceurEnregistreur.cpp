#include "LanceurEnregistreur.h"

bool LanceurEnregistreur::demarrer(const QString& programme, const QStringList& arguments,
                                   const QString& dossierTravail) {
    demarrages.append({programme, arguments, dossierTravail});
    return reussite;
}

bool LanceurEnregistreur::ouvrir(const QString& documentOuAdresse) {
    ouvertures.append(documentOuAdresse);
    return reussite;
}

LanceurEnregistreur::Portee::Portee()
    : lanceur_(std::make_shared<LanceurEnregistreur>()), precedent_(Lanceur::installer(lanceur_)) {}

LanceurEnregistreur::Portee::~Portee() { Lanceur::installer(precedent_); }
