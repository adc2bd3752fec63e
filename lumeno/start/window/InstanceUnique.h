#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running program per user and program folder. A new start asks the running one to close and
// takes its place; the running one hears the request through its local server and quits.
class InstanceUnique : public QObject {
    Q_OBJECT
public:
    explicit InstanceUnique(QString nomServeur, QObject* parent = nullptr);
    ~InstanceUnique() override;

    // The server name of a program folder for the current user.
    static QString nomPour(const QString& dossierProgramme);

    struct Prise {
        bool relance = false; // RelanceInstance: an earlier instance was closed
        bool erreur = false;  // the rule failed; the program goes on alone
    };
    // Closes a running instance (waiting up to delaiMs for it to end), then listens.
    Prise prendreLaPlace(int delaiMs = 5000);
    // True when an instance answers (the screen saver then ends at once).
    static bool instanceEnCours(const QString& nomServeur, int delaiMs = 1000);

    bool ecoute() const;

signals:
    // A newer start asks this one to close.
    void fermetureDemandee();

private:
    void connexion();
    bool ecouter();

    QString nom_;
    QLocalServer* serveur_;
};
