#pragma once

#include "RetourScan.h"
#include "Scan.h"

#include <QObject>

#include <atomic>
#include <memory>

class QThread;

// Runs a catalogue scan on a worker thread so that the window stays alive, and brings what the scan
// tells back to the window's thread as signals. Message boxes of the scan wait for the user's
// answer on the window's thread.
class LancementScan : public QObject {
    Q_OBJECT
public:
    explicit LancementScan(QObject* parent = nullptr);
    ~LancementScan() override; // cancels a running scan and waits for its end

    // False when a scan is already running.
    bool lancer(const ParametresScan& parametres);
    void annuler();
    bool enCours() const { return thread_ != nullptr; }

signals:
    void message(const QString& texte);
    void messageBas(const QString& texte);
    void messageConfig(const QString& texte);
    void compagnon(RetourScan::Animation animation);
    void moment(RetourScan::Moment moment);
    void progression(int dossiers, int fichiers);
    void termine(const ResultatScan& resultat);

private:
    class Relais;
    void fin();

    std::unique_ptr<Relais> relais_;
    std::unique_ptr<Scan> scan_;
    QThread* thread_ = nullptr;
    std::shared_ptr<std::atomic<bool>> arret_;
};
