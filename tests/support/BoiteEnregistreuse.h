#pragma once

#include "Boite.h"

#include <QList>

#include <memory>

// Records every message box and answers from a script (OK, or the default answer, once the script
// is used up). Installed for the lifetime of the object, the previous service restored after.
class BoiteEnregistreuse : public Boite {
public:
    Reponse montrer(const Message& message) override;

    QList<Message> messages;
    QList<Reponse> reponses;            // answers given in turn
    Reponse reponseParDefaut = Reponse::Ok;

    // Installs a fresh recorder for the scope of a test.
    class Portee {
    public:
        Portee();
        ~Portee();
        BoiteEnregistreuse& operator*() { return *boite_; }
        BoiteEnregistreuse* operator->() { return boite_.get(); }

    private:
        std::shared_ptr<BoiteEnregistreuse> boite_;
        std::shared_ptr<Boite> precedente_;
    };
};
