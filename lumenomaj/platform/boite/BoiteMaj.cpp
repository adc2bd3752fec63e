#include "BoiteMaj.h"

namespace {

std::shared_ptr<BoiteMaj>& service() {
    static std::shared_ptr<BoiteMaj> boite;
    return boite;
}

} // namespace

BoiteMaj::Reponse BoiteMaj::afficher(const Message& message) {
    if (const auto boite = service())
        return boite->montrer(message);
    return message.boutons == Boutons::OuiNon ? Reponse::Oui : Reponse::Ok;
}

std::shared_ptr<BoiteMaj> BoiteMaj::courante() {
    return service();
}

std::shared_ptr<BoiteMaj> BoiteMaj::installer(std::shared_ptr<BoiteMaj> boite) {
    std::shared_ptr<BoiteMaj> precedente = std::move(service());
    service() = std::move(boite);
    return precedente;
}

BoiteMaj::Reponse BoiteMajEnregistreuse::montrer(const Message& message) {
    messages.append(message);
    return reponses.isEmpty() ? reponseParDefaut : reponses.takeFirst();
}

BoiteMajEnregistreuse::Portee::Portee()
    : boite_(std::make_shared<BoiteMajEnregistreuse>()), precedente_(BoiteMaj::installer(boite_)) {}

BoiteMajEnregistreuse::Portee::~Portee() {
    BoiteMaj::installer(precedente_);
}
