#pragma once

#include <QString>

// Where the selection hands its accepted records in album mode. The mini-album implements it.
class ReceptionMiniAlbum {
public:
    virtual ~ReceptionMiniAlbum() = default;

    // One record for the next cell, or the end of the catalogue: then nom is "CettePhotoEstMauvaise"
    // and bddEof is true. evitePhotos is the page offset the slideshow built up; the album may change
    // it (the selection sets it to 0 afterwards).
    virtual void AffichageMignonnette(const QString& nom, const QString& rep, const QString& type,
                                      bool bddEof, int tailleMax, int& evitePhotos,
                                      const QString& racine) = 0;
};

inline const QString kFinMiniAlbum = QStringLiteral("CettePhotoEstMauvaise");
inline constexpr int kTailleMaxMiniAlbum = 2400;
