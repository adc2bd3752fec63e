#pragma once

#include <QJsonObject>
#include <QMap>
#include <QStringList>

// The camera files of the shared test data, their exiftool dumps, and exiftool itself run over many
// files in one call ("-j -n -G1 -a": numeric values, group names, every duplicate).
namespace OutilsCorpus {

QString dossier();
QString chemin(const QString& nom);
QStringList noms();

// The dump made beside the corpus (oracle/<name>.json).
QJsonObject oracle(const QString& nom);

bool exifToolPresent();
// One object a file, keyed by the path given.
QMap<QString, QJsonObject> exifToolParChemin(const QStringList& chemins);

} // namespace OutilsCorpus
