#pragma once

#include "Lanceur.h"

// The running program's launcher: programs through QProcess, documents and web addresses through
// the desktop's own handlers.
class LanceurBureau : public Lanceur {
public:
    bool demarrer(const QString& programme, const QStringList& arguments,
                  const QString& dossierTravail) override;
    bool ouvrir(const QString& documentOuAdresse) override;
};
