#pragma once

#include "Lanceur.h"

#include <QList>

#include <memory>

// Records the programs started and the documents opened; starts nothing.
class LanceurEnregistreur : public Lanceur {
public:
    struct Demarrage {
        QString programme;
        QStringList arguments;
        QString dossierTravail;
    };

    bool demarrer(const QString& programme, const QStringList& arguments,
                  const QString& dossierTravail) override;
    bool ouvrir(const QString& documentOuAdresse) override;

    QList<Demarrage> demarrages;
    QStringList ouvertures;
    bool reussite = true; // what the calls answer

    class Portee {
    public:
        Portee();
        ~Portee();
        LanceurEnregistreur& operator*() { return *lanceur_; }
        LanceurEnregistreur* operator->() { return lanceur_.get(); }

    private:
        std::shared_ptr<LanceurEnregistreur> lanceur_;
        std::shared_ptr<Lanceur> precedent_;
    };
};
