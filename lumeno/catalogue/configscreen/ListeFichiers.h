#pragma once

#include <QListWidget>

// A file list: every file of one folder, hidden ones included, by name. It is for information
// only: the scan takes the whole folder.
class ListeFichiers : public QListWidget {
    Q_OBJECT
public:
    explicit ListeFichiers(QWidget* parent = nullptr);

    void setDossier(const QString& dossier);
    QString dossier() const { return dossier_; }

private:
    QString dossier_;
};
