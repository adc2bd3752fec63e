#pragma once

#include <QList>
#include <QString>

#include <memory>

// The message boxes of LumenoMaj go through this one service: the program installs the dialog
// version, tests a recorder, and an unattended run one that writes to the log.
class BoiteMaj {
public:
    enum class Icone { Information, Question, Avertissement, Critique };
    enum class Boutons { Ok, OkAnnuler, OuiNon };
    enum class Reponse { Ok, Annuler, Oui, Non };

    struct Message {
        Icone icone = Icone::Information;
        QString titre;
        QString texte;
        Boutons boutons = Boutons::Ok;
    };

    virtual ~BoiteMaj() = default;
    virtual Reponse montrer(const Message& message) = 0;

    // The service in use; with none installed, messages are answered OK without a window.
    static Reponse afficher(const Message& message);
    static Reponse information(const QString& titre, const QString& texte) {
        return afficher({Icone::Information, titre, texte, Boutons::Ok});
    }

    static std::shared_ptr<BoiteMaj> courante();
    // Installs a service and returns the previous one.
    static std::shared_ptr<BoiteMaj> installer(std::shared_ptr<BoiteMaj> boite);
};

// Records every message and answers from a script (then the default answer).
class BoiteMajEnregistreuse : public BoiteMaj {
public:
    Reponse montrer(const Message& message) override;

    QList<Message> messages;
    QList<Reponse> reponses;
    Reponse reponseParDefaut = Reponse::Ok;

    // Installs a fresh recorder for a scope; the previous service comes back after.
    class Portee {
    public:
        Portee();
        ~Portee();
        BoiteMajEnregistreuse& operator*() { return *boite_; }
        BoiteMajEnregistreuse* operator->() { return boite_.get(); }

    private:
        std::shared_ptr<BoiteMajEnregistreuse> boite_;
        std::shared_ptr<BoiteMaj> precedente_;
    };
};
