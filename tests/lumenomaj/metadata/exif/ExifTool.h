#pragma once

#include <QJsonObject>
#include <QMap>
#include <QStringList>

// Runs the independent reader exiftool once over many files ("-j -n -G1 -D -a": numeric values, the
// group and the tag id of every value). Empty when exiftool is not installed.
namespace ExifTool {

bool present();

// One JSON object a file, keyed by the path given.
QMap<QString, QJsonObject> lire(const QStringList& chemins);

} // namespace ExifTool
