#pragma once

#include <QListWidget>

// A directory list: the current folder on the first line, then its parent ("..") and its
// sub-folders; activating a line enters that folder. A folder that is not there stays the current
// one, shown as unavailable, so that a root of the settings is never lost.
class ListeDossiers : public QListWidget {
    Q_OBJECT
public:
    explicit ListeDossiers(QWidget* parent = nullptr);

    QString chemin() const { return chemin_; }
    bool disponible() const { return disponible_; }

    // Shows this folder whatever its state.
    void setChemin(const QString& chemin);
    // Goes to this folder only when it can be listed; false leaves the list where it was.
    bool allerA(const QString& chemin);

signals:
    void cheminChange(const QString& chemin);

private:
    void remplir();

    QString chemin_;
    bool disponible_ = false;
};
