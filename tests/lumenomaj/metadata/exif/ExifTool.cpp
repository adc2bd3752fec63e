#include "ExifTool.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>

namespace ExifTool {

bool present() {
    return !QStandardPaths::findExecutable(QStringLiteral("exiftool")).isEmpty();
}

QMap<QString, QJsonObject> lire(const QStringList& chemins) {
    QMap<QString, QJsonObject> resultat;
    if (!present() || chemins.isEmpty()) {
        return resultat;
    }
    QProcess processus;
    QStringList arguments{QStringLiteral("-j"), QStringLiteral("-n"), QStringLiteral("-G1"),
                          QStringLiteral("-D"), QStringLiteral("-a")};
    arguments += chemins;
    processus.start(QStringLiteral("exiftool"), arguments);
    processus.waitForFinished(60000);
    const QJsonArray tableau = QJsonDocument::fromJson(processus.readAllStandardOutput()).array();
    for (const QJsonValue& valeur : tableau) {
        const QJsonObject objet = valeur.toObject();
        resultat.insert(objet.value(QStringLiteral("SourceFile")).toString(), objet);
    }
    return resultat;
}

} // namespace ExifTool
