#pragma once

#include <QString>
#include <QStringList>

#include <memory>

// Starting another program or opening a document with the desktop's program for it. One service,
// so that tests record the calls instead of starting anything.
class Lanceur {
public:
    virtual ~Lanceur() = default;

    // Starts a program with an argument list (never a shell string) in a working folder.
    // Returns false when it could not be started.
    virtual bool demarrer(const QString& programme, const QStringList& arguments,
                          const QString& dossierTravail) = 0;
    // Opens a document or a web address with the desktop's program for it.
    virtual bool ouvrir(const QString& documentOuAdresse) = 0;

    static Lanceur& courant();
    static std::shared_ptr<Lanceur> installer(std::shared_ptr<Lanceur> lanceur);
};
