#pragma once

#include <QByteArray>
#include <QString>

// Fixtures of the batch tests: camera photos of the shared test files copied under a chosen name.
namespace OutilsLot {

QString photoTest(const QString& nom);
// Copies a photo of the shared test files to dossier/nom (writable); returns the new path.
QString copier(const QString& nomTest, const QString& dossier, const QString& nom);
QByteArray lire(const QString& chemin);
// The bytes of the image data (from the start of scan to the end of the file).
QByteArray donneesImage(const QString& chemin);

} // namespace OutilsLot
