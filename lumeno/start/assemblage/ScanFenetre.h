#pragma once

#include "RetourScan.h"

#include <QObject>

#include <memory>

class FenetrePrincipale;
class QTimer;
class Scan;

// Runs a catalogue scan from the main window in slices of a timer, so that the window stays alive
// and shows the progress; at its end start-up restarts on the new catalogue.
class ScanFenetre : public QObject, private RetourScan {
    Q_OBJECT
public:
    explicit ScanFenetre(FenetrePrincipale& fenetre);
    ~ScanFenetre() override;

    // Starts a scan of the roots and options read from the settings file.
    void lancer();
    bool enCours() const { return scan_ != nullptr; }
    // One slice; public so that a test runs the scan without waiting for the timer.
    void tranche();

private:
    void message(const QString& texte) override;
    void messageBas(const QString& texte) override;
    void moment(Moment moment) override;
    void progression(const Progression& p) override;

    FenetrePrincipale& f_;
    QTimer* minuterie_;
    std::unique_ptr<Scan> scan_;
};
