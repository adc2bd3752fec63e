#include "LignesTexte.h"

#include "Cp1252.h"

#include <QFile>
#include <QSaveFile>

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

bool toutEncodable(const QStringList& lignes) {
    for (const QString& l : lignes) {
        if (!Cp1252::encodable(l))
            return false;
    }
    return true;
}

QByteArray encoderEn(const QStringList& lignes, bool utf8) {
    QByteArray octets;
    for (const QString& l : lignes) {
        octets += utf8 ? l.toUtf8() : Cp1252::encoder(l);
        octets += "\r\n";
    }
    return octets;
}

} // namespace

namespace LignesTexte {

QStringList decoder(const QByteArray& contenu) {
    const QString texte =
        contenu.startsWith(kBom) ? QString::fromUtf8(contenu.mid(kBom.size())) : Cp1252::decoder(contenu);
    QStringList lignes = texte.split(QLatin1Char('\n'));
    if (!lignes.isEmpty() && lignes.last().isEmpty())
        lignes.removeLast();
    for (QString& l : lignes) {
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    }
    return lignes;
}

Lecture lire(const QString& chemin) {
    Lecture lecture;
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return lecture;
    const QByteArray contenu = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return lecture;
    lecture.lignes = decoder(contenu);
    lecture.ok = true;
    return lecture;
}

QByteArray encoder(const QStringList& lignes) {
    const bool utf8 = !toutEncodable(lignes);
    return (utf8 ? kBom : QByteArray()) + encoderEn(lignes, utf8);
}

bool ecrire(const QString& chemin, const QStringList& lignes, QString* erreur) {
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(encoder(lignes)) < 0 || !f.commit()) {
        if (erreur)
            *erreur = f.errorString();
        return false;
    }
    return true;
}

bool ajouter(const QString& chemin, const QStringList& lignes, QString* erreur) {
    QFile f(chemin);
    if (!f.exists())
        return ecrire(chemin, lignes, erreur);
    if (!f.open(QIODevice::ReadWrite)) {
        if (erreur)
            *erreur = f.errorString();
        return false;
    }
    const QByteArray ancien = f.readAll();
    const bool fichierUtf8 = ancien.startsWith(kBom);
    if (!fichierUtf8 && !toutEncodable(lignes)) {
        // The new lines need UTF-8: the whole file moves to UTF-8 rather than lose characters.
        f.close();
        return ecrire(chemin, decoder(ancien) + lignes, erreur);
    }
    if (!f.seek(f.size()) || f.write(encoderEn(lignes, fichierUtf8)) < 0) {
        if (erreur)
            *erreur = f.errorString();
        return false;
    }
    return true;
}

} // namespace LignesTexte
