#pragma once

#include <QString>

// Starts the other program of the program folder. One service, so that tests record the starts.
class LanceurMaj {
public:
    virtual ~LanceurMaj() = default;
    // Starts the program without arguments in the working folder; false when it could not start.
    virtual bool demarrer(const QString& programme, const QString& dossierTravail) = 0;
};

// The real one: a detached process, so that it outlives LumenoMaj.
class LanceurProcessus : public LanceurMaj {
public:
    bool demarrer(const QString& programme, const QString& dossierTravail) override;
};
