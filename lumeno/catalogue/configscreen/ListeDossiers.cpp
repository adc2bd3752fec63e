#include "ListeDossiers.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr int roleChemin = Qt::UserRole + 1;

QString propre(const QString& chemin) {
    const QString c = QDir::cleanPath(chemin);
    return c.isEmpty() ? QStringLiteral("/") : c;
}

bool lisible(const QString& chemin) {
    const QFileInfo info(chemin);
    return info.isDir() && info.isReadable() && info.isExecutable();
}
} // namespace

ListeDossiers::ListeDossiers(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QString cible = item->data(roleChemin).toString();
        if (!cible.isEmpty() && cible != chemin_) {
            allerA(cible);
        }
    });
}

void ListeDossiers::setChemin(const QString& chemin) {
    const QString nouveau = propre(chemin);
    const bool change = nouveau != chemin_;
    chemin_ = nouveau;
    disponible_ = lisible(chemin_);
    remplir();
    if (change) {
        emit cheminChange(chemin_);
    }
}

bool ListeDossiers::allerA(const QString& chemin) {
    if (!lisible(chemin)) {
        return false;
    }
    setChemin(chemin);
    return true;
}

void ListeDossiers::remplir() {
    clear();
    auto* tete =
        new QListWidgetItem(disponible_ ? chemin_ : chemin_ + QStringLiteral("  (indisponible)"), this);
    tete->setData(roleChemin, chemin_);
    QFont gras = tete->font();
    gras.setBold(true);
    tete->setFont(gras);
    if (!disponible_) {
        return;
    }
    const QDir dossier(chemin_);
    if (!dossier.isRoot()) {
        auto* parent = new QListWidgetItem(QStringLiteral(".."), this);
        parent->setData(roleChemin, QFileInfo(chemin_).absolutePath());
    }
    const QFileInfoList sous = dossier.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                                     QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : sous) {
        auto* item = new QListWidgetItem(QStringLiteral("  ") + info.fileName(), this);
        item->setData(roleChemin, info.absoluteFilePath());
    }
}
