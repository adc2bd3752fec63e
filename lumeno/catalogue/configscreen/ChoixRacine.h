#pragma once

#include <QWidget>

class QCheckBox;
class ListeDossiers;
class ListeFichiers;
class ListeLecteurs;

// One root chooser of the configuration screen: drive list `DriveN`, directory list `DirN`, file
// list `FileN` and check box `ConfigCheckN`.
class ChoixRacine : public QWidget {
    Q_OBJECT
public:
    ChoixRacine(int numero, QWidget* parent = nullptr);

    int numero() const { return numero_; }
    ListeLecteurs* drive() const { return drive_; }
    ListeDossiers* dir() const { return dir_; }
    ListeFichiers* file() const { return file_; }
    QCheckBox* check() const { return check_; }

    QString chemin() const;
    bool cochee() const;
    // Puts the chooser on a folder (kept even when it is not there) and its check box.
    void montrer(const QString& chemin, bool cochee);

signals:
    void dossierChange(int numero);
    void caseCliquee(int numero, bool cochee);
    void fichierClique(int numero);

private:
    void lecteurChoisi(const QString& racine);

    int numero_;
    ListeLecteurs* drive_;
    ListeDossiers* dir_;
    ListeFichiers* file_;
    QCheckBox* check_;
};
