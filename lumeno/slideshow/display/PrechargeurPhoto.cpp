#include "PrechargeurPhoto.h"

#include <QThreadPool>

#include <memory>

PrechargeurPhoto::~PrechargeurPhoto() {
    // The worker holds its own copies; waiting keeps a late result from outliving the program's
    // image handlers at exit.
    if (resultat_.valid())
        resultat_.wait();
}

void PrechargeurPhoto::demander(const QString& chemin, const ChargeurPhoto::Cadre& cadre) {
    if (resultat_.valid() && chemin == chemin_ && cadre == cadre_)
        return;
    chemin_ = chemin;
    cadre_ = cadre;
    auto tache = std::make_shared<std::packaged_task<ChargeurPhoto::Photo()>>(
        [chemin, cadre] { return ChargeurPhoto::charger(chemin, cadre); });
    resultat_ = tache->get_future().share();
    QThreadPool::globalInstance()->start([tache] { (*tache)(); });
}

std::optional<ChargeurPhoto::Photo> PrechargeurPhoto::prendre(const QString& chemin,
                                                              const ChargeurPhoto::Cadre& cadre) {
    if (!resultat_.valid() || chemin != chemin_ || !(cadre == cadre_))
        return std::nullopt;
    ChargeurPhoto::Photo photo = resultat_.get();
    resultat_ = {};
    chemin_.clear();
    return photo;
}
