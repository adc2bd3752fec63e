#pragma once

#include "ChargeurPhoto.h"

#include <future>
#include <optional>

// Decodes the next photo on a worker thread while the current one is on screen, so that the next
// tick shows it at once.
class PrechargeurPhoto {
public:
    PrechargeurPhoto() = default;
    ~PrechargeurPhoto();
    PrechargeurPhoto(const PrechargeurPhoto&) = delete;
    PrechargeurPhoto& operator=(const PrechargeurPhoto&) = delete;

    // Starts decoding the photo for the given window; a request for the photo already asked for
    // does nothing.
    void demander(const QString& chemin, const ChargeurPhoto::Cadre& cadre);

    // The photo decoded ahead when it is this file for this window (waiting for the end of its
    // decoding if needed), else nothing. The photo is handed over once.
    std::optional<ChargeurPhoto::Photo> prendre(const QString& chemin, const ChargeurPhoto::Cadre& cadre);

    // The path asked for, empty when nothing is pending.
    QString enAttente() const { return chemin_; }

private:
    QString chemin_;
    ChargeurPhoto::Cadre cadre_;
    std::shared_future<ChargeurPhoto::Photo> resultat_;
};
