#include "LancementScan.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>

// Forwards each call of the scan to the window's thread.
class LancementScan::Relais : public RetourScan {
public:
    Relais(LancementScan* cible, std::shared_ptr<std::atomic<bool>> arret)
        : cible_(cible), arret_(std::move(arret)) {}

    void message(const QString& texte) override {
        QMetaObject::invokeMethod(
            cible_, [c = cible_, texte] { emit c->message(texte); }, Qt::QueuedConnection);
    }
    void messageBas(const QString& texte) override {
        QMetaObject::invokeMethod(
            cible_, [c = cible_, texte] { emit c->messageBas(texte); }, Qt::QueuedConnection);
    }
    void messageConfig(const QString& texte) override {
        QMetaObject::invokeMethod(
            cible_, [c = cible_, texte] { emit c->messageConfig(texte); }, Qt::QueuedConnection);
    }
    void compagnon(Animation animation) override {
        QMetaObject::invokeMethod(
            cible_, [c = cible_, animation] { emit c->compagnon(animation); }, Qt::QueuedConnection);
    }
    void moment(Moment m) override {
        QMetaObject::invokeMethod(
            cible_, [c = cible_, m] { emit c->moment(m); }, Qt::QueuedConnection);
    }
    void progression(const Progression& p) override {
        QMetaObject::invokeMethod(
            cible_, [c = cible_, p] { emit c->progression(p.dossiers, p.fichiers); }, Qt::QueuedConnection);
    }
    Boite::Reponse boite(const Boite::Message& m) override {
        if (QThread::currentThread() == cible_->thread()) {
            return Boite::courante().montrer(m);
        }
        Boite::Reponse reponse = Boite::Reponse::Ok;
        auto arret = arret_;
        // The window's thread answers; while the window is closing it answers OK without showing.
        QMetaObject::invokeMethod(
            cible_,
            [&reponse, &m, arret] {
                if (!arret->load()) {
                    reponse = Boite::courante().montrer(m);
                }
            },
            Qt::BlockingQueuedConnection);
        return reponse;
    }

private:
    LancementScan* cible_;
    std::shared_ptr<std::atomic<bool>> arret_;
};

LancementScan::LancementScan(QObject* parent)
    : QObject(parent), arret_(std::make_shared<std::atomic<bool>>(false)) {}

LancementScan::~LancementScan() {
    if (!thread_) {
        return;
    }
    // Nothing of the scan reaches the window any more: it may be half gone already.
    arret_->store(true);
    blockSignals(true);
    disconnect(thread_, nullptr, this, nullptr);
    scan_->annuler();
    // A scan waiting on a message box needs this thread's events to be answered.
    while (!thread_->wait(20)) {
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
    delete thread_;
    thread_ = nullptr;
}

bool LancementScan::lancer(const ParametresScan& parametres) {
    if (thread_) {
        return false;
    }
    arret_->store(false);
    relais_ = std::make_unique<Relais>(this, arret_);
    scan_ = std::make_unique<Scan>(parametres, *relais_);
    Scan* scan = scan_.get();
    thread_ = QThread::create([scan] { scan->executer(); });
    thread_->setObjectName(QStringLiteral("Scan"));
    connect(thread_, &QThread::finished, this, &LancementScan::fin, Qt::QueuedConnection);
    thread_->start();
    return true;
}

void LancementScan::annuler() {
    if (scan_) {
        scan_->annuler();
    }
}

void LancementScan::fin() {
    if (!thread_) {
        return;
    }
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    const ResultatScan resultat = scan_->resultat();
    scan_.reset();
    relais_.reset();
    emit termine(resultat);
}
