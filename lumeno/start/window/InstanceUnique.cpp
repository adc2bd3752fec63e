#include "InstanceUnique.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
const QByteArray demandeFermeture = "fermer\n";
const QByteArray demandePresence = "present\n";
const QByteArray reponse = "ok\n";
} // namespace

InstanceUnique::InstanceUnique(QString nomServeur, QObject* parent)
    : QObject(parent), nom_(std::move(nomServeur)), serveur_(new QLocalServer(this)) {
    connect(serveur_, &QLocalServer::newConnection, this, &InstanceUnique::connexion);
}

InstanceUnique::~InstanceUnique() {
    serveur_->close();
}

QString InstanceUnique::nomPour(const QString& dossierProgramme) {
    QString dossier = QFileInfo(dossierProgramme).canonicalFilePath();
    if (dossier.isEmpty())
        dossier = QDir::cleanPath(dossierProgramme);
#ifdef Q_OS_UNIX
    const QString utilisateur = QString::number(::getuid());
#else
    const QString utilisateur = qEnvironmentVariable("USERNAME");
#endif
    const QByteArray empreinte =
        QCryptographicHash::hash(dossier.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("Lumeno-") + utilisateur + QLatin1Char('-') + QString::fromLatin1(empreinte);
}

bool InstanceUnique::ecoute() const {
    return serveur_->isListening();
}

bool InstanceUnique::ecouter() {
    if (serveur_->listen(nom_))
        return true;
    // A socket left by a program that ended badly: nobody answers on it any more.
    QLocalServer::removeServer(nom_);
    return serveur_->listen(nom_);
}

InstanceUnique::Prise InstanceUnique::prendreLaPlace(int delaiMs) {
    Prise p;
    QLocalSocket socket;
    socket.connectToServer(nom_);
    if (socket.waitForConnected(qMin(delaiMs, 1000))) {
        socket.write(demandeFermeture);
        socket.waitForBytesWritten(delaiMs);
        // The running instance answers and hangs up; this start goes on at once.
        QElapsedTimer chrono;
        chrono.start();
        while (socket.state() == QLocalSocket::ConnectedState && chrono.elapsed() < delaiMs)
            socket.waitForDisconnected(100);
        p.relance = true;
    }
    socket.abort();
    p.erreur = !ecouter();
    return p;
}

bool InstanceUnique::instanceEnCours(const QString& nomServeur, int delaiMs) {
    QLocalSocket socket;
    socket.connectToServer(nomServeur);
    if (!socket.waitForConnected(delaiMs))
        return false;
    socket.write(demandePresence);
    socket.waitForBytesWritten(delaiMs);
    socket.disconnectFromServer();
    return true;
}

void InstanceUnique::connexion() {
    while (QLocalSocket* client = serveur_->nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QLocalSocket::readyRead, this, [this, client] {
            if (!client->canReadLine())
                return;
            const QByteArray ligne = client->readLine();
            if (ligne != demandeFermeture)
                return;
            // The server stops listening before it answers: closing removes the socket's name, which
            // must not happen once the newer start listens under it.
            serveur_->close();
            client->write(reponse);
            client->flush();
            client->disconnectFromServer();
            emit fermetureDemandee();
        });
    }
}
