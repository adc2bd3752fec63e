#include "OutilsCorpus.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>

namespace OutilsCorpus {

QString dossier() {
    return QStringLiteral(LUMENO_TESTDATA_DIR "/jpeg");
}

QString chemin(const QString& nom) {
    return dossier() + QLatin1Char('/') + nom;
}

QStringList noms() {
    return QDir(dossier()).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
}

QJsonObject oracle(const QString& nom) {
    QFile fichier(dossier() + QStringLiteral("/oracle/") + nom + QStringLiteral(".json"));
    if (!fichier.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QJsonDocument::fromJson(fichier.readAll()).array().first().toObject();
}

bool exifToolPresent() {
    return !QStandardPaths::findExecutable(QStringLiteral("exiftool")).isEmpty();
}

QMap<QString, QJsonObject> exifToolParChemin(const QStringList& chemins) {
    QMap<QString, QJsonObject> resultat;
    if (!exifToolPresent() || chemins.isEmpty()) {
        return resultat;
    }
    QProcess processus;
    processus.start(QStringLiteral("exiftool"), QStringList{QStringLiteral("-j"), QStringLiteral("-n"),
                                                            QStringLiteral("-G1"), QStringLiteral("-a")} +
                                                    chemins);
    processus.waitForFinished(60000);
    const QJsonArray tableau = QJsonDocument::fromJson(processus.readAllStandardOutput()).array();
    for (const QJsonValue& valeur : tableau) {
        const QJsonObject objet = valeur.toObject();
        resultat.insert(objet.value(QStringLiteral("SourceFile")).toString(), objet);
    }
    return resultat;
}

} // namespace OutilsCorpus
