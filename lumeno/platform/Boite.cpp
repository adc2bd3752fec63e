#include "Boite.h"

#include <QDebug>

namespace {

// Until the application installs the window one, a box is written to the debug log and answered OK:
// a core run from a test or a benchmark never blocks.
class BoiteJournal : public Boite {
public:
    Reponse montrer(const Message& m) override {
        qInfo().noquote() << "[Boite]" << m.titre << ":" << m.texte;
        return m.boutons == Boutons::OuiNon || m.boutons == Boutons::OuiNonAnnuler ? Reponse::Oui
                                                                                   : Reponse::Ok;
    }
};

std::shared_ptr<Boite>& instance() {
    static std::shared_ptr<Boite> b = std::make_shared<BoiteJournal>();
    return b;
}

} // namespace

Boite& Boite::courante() { return *instance(); }

std::shared_ptr<Boite> Boite::installer(std::shared_ptr<Boite> boite) {
    auto ancienne = instance();
    instance() = boite ? std::move(boite) : std::make_shared<BoiteJournal>();
    return ancienne;
}

Boite::Reponse Boite::information(const QString& titre, const QString& texte, Boutons boutons) {
    return courante().montrer({Icone::Information, titre, texte, boutons});
}

Boite::Reponse Boite::critique(const QString& titre, const QString& texte, Boutons boutons) {
    return courante().montrer({Icone::Critique, titre, texte, boutons});
}

Boite::Reponse Boite::exclamation(const QString& titre, const QString& texte, Boutons boutons) {
    return courante().montrer({Icone::Exclamation, titre, texte, boutons});
}

Boite::Reponse Boite::question(const QString& titre, const QString& texte, Boutons boutons) {
    return courante().montrer({Icone::Question, titre, texte, boutons});
}
