#pragma once

#include <QString>

#include <functional>
#include <memory>

// Every message box of the program goes through this service, so that tests record the boxes and
// answer them instead of blocking on a modal dialog.
class Boite {
public:
    enum class Icone { Aucune, Information, Question, Exclamation, Critique };
    enum class Boutons { Ok, OkAnnuler, OuiNon, OuiNonAnnuler };
    enum class Reponse { Ok, Annuler, Oui, Non };

    struct Message {
        Icone icone = Icone::Aucune;
        QString titre;
        QString texte;
        Boutons boutons = Boutons::Ok;
    };

    virtual ~Boite() = default;
    virtual Reponse montrer(const Message& message) = 0;

    // The service in force; a silent one that answers OK until the application installs its own.
    static Boite& courante();
    // Installs a service and returns the previous one (tests restore it).
    static std::shared_ptr<Boite> installer(std::shared_ptr<Boite> boite);

    // Short forms.
    static Reponse information(const QString& titre, const QString& texte,
                               Boutons boutons = Boutons::Ok);
    static Reponse critique(const QString& titre, const QString& texte, Boutons boutons = Boutons::Ok);
    static Reponse exclamation(const QString& titre, const QString& texte,
                               Boutons boutons = Boutons::Ok);
    static Reponse question(const QString& titre, const QString& texte,
                            Boutons boutons = Boutons::OuiNon);
};
