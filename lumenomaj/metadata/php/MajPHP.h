#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// The window that removes every line of one folder from the web gallery's photo list. It backs the
// list up when it opens; closing it hands back to Lumeno.
class MajPHP : public QWidget {
    Q_OBJECT
public:
    struct Sorties {
        std::function<void()> lancerLumeno; // start Lumeno again, then the program ends
        std::function<void()> terminer;     // the program ends without starting Lumeno
    };

    MajPHP(Sorties sorties, QWidget* parent = nullptr);

    // Opens the window on the folder of the list and makes the backup.
    void Depart(const QString& dossier);

    int lignesSupprimees() const { return supprimees_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Valider_Nom_Dossier_Click();
    void Quitter_Maj_PHP_Click();
    void ajouterStatut(const QString& texte);

    Sorties sorties_;
    QString dossier_;
    int supprimees_ = 0;
    bool fini_ = false;

    QLabel* Label5;
    QLabel* Label2;
    QLabel* Label1;
    QLabel* Label4;
    QLineEdit* Dossier_Supprimer;
    QPushButton* Valider_Nom_Dossier;
    QPushButton* Quitter_Maj_PHP;
};
