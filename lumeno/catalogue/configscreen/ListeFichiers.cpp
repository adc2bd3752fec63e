#include "ListeFichiers.h"

#include <QDir>

ListeFichiers::ListeFichiers(QWidget* parent) : QListWidget(parent) {}

void ListeFichiers::setDossier(const QString& dossier) {
    dossier_ = dossier;
    clear();
    const QStringList noms = QDir(dossier).entryList(
        {QStringLiteral("*")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    addItems(noms);
}
