#pragma once

#include <QComboBox>

// A drive list: the mounted volumes, each by its root path. Pseudo file systems are left out.
class ListeLecteurs : public QComboBox {
    Q_OBJECT
public:
    explicit ListeLecteurs(QWidget* parent = nullptr);

    // Lists the volumes again.
    void actualiser();
    // The volume that holds a path (its root path), added to the list when missing.
    void choisirPourChemin(const QString& chemin);
    QString lecteur() const { return currentText(); }

    static bool estPseudoSysteme(const QString& racine, const QByteArray& type);

signals:
    // The user picked another volume.
    void lecteurChoisi(const QString& racine);
};
