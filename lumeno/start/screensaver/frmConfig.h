#pragma once

#include "FichierVeille.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The screen saver's settings dialog ("/c"): the start criteria and the pace of the screen saver,
// read from and written to its copy of the settings.
class frmConfig : public QDialog {
    Q_OBJECT
public:
    // Loads the copy; when it is missing the user is told and the controls keep their defaults.
    explicit frmConfig(QWidget* parent = nullptr);

    FichierVeille valeurs() const;
    void montrerValeurs(const FichierVeille& valeurs);

    // "Valider": writes the copy and closes; a failed write is reported and the dialog stays open.
    void cmdOK_Click();
    // "Annuler": closes without writing.
    void CmdAnnul_Click();

private:
    void charger();

    QLineEdit* CmdChemin_;
    QLineEdit* CmdAleatoire_;
    QLineEdit* CmdMot_;
    QLineEdit* CmdTempo_;
    QCheckBox* VeilleInternetCheck_;
    QLineEdit* VeillePasseInternet_;
    QLineEdit* CmdAnnee_;
    QPushButton* cmdOK_;
    QPushButton* CmdAnnul_;
};
