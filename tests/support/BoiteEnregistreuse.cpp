#include "BoiteEnregistreuse.h"

Boite::Reponse BoiteEnregistreuse::montrer(const Message& message) {
    messages.append(message);
    if (!reponses.isEmpty())
        return reponses.takeFirst();
    return reponseParDefaut;
}

BoiteEnregistreuse::Portee::Portee()
    : boite_(std::make_shared<BoiteEnregistreuse>()), precedente_(Boite::installer(boite_)) {}

BoiteEnregistreuse::Portee::~Portee() { Boite::installer(precedente_); }
