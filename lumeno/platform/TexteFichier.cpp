#include "TexteFichier.h"

#include "Windows1252.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <cstring>

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

bool toutEncodable(const QStringList& lignes) {
    for (const QString& l : lignes) {
        if (!Windows1252::canEncode(l))
            return false;
    }
    return true;
}

bool estAscii(const QString& l) {
    for (QChar c : l) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

} // namespace

namespace TexteFichier {

QStringList decoder(const QByteArray& contenu) {
    QString texte;
    if (contenu.startsWith(kBom)) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        texte = utf8(contenu.mid(kBom.size()));
    } else {
        texte = Windows1252::decode(contenu);
    }
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
    Lecture r;
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return r;
    const QByteArray contenu = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return r;
    r.lignes = decoder(contenu);
    r.ok = true;
    return r;
}

QByteArray encoder(const QStringList& lignes) {
    const bool cp1252 = toutEncodable(lignes);
    // Written into one buffer sized for the whole file (three bytes a character at most in UTF-8),
    // so that a long list is not copied again as it grows; a line of plain ASCII, the usual
    // case, is copied in without a text of its own.
    qsizetype taille = kBom.size();
    for (const QString& l : lignes)
        taille += (cp1252 ? 1 : 3) * l.size() + 2;
    QByteArray out(taille, Qt::Uninitialized);
    char* p = out.data();
    const auto copier = [&p](const QByteArray& octets) {
        std::memcpy(p, octets.constData(), size_t(octets.size()));
        p += octets.size();
    };
    if (!cp1252)
        copier(kBom);
    for (const QString& l : lignes) {
        if (!cp1252) {
            copier(l.toUtf8());
        } else if (estAscii(l)) {
            // The same bytes in both encodings.
            for (QChar c : l)
                *p++ = char(c.unicode());
        } else {
            copier(Windows1252::encode(l));
        }
        *p++ = '\r';
        *p++ = '\n';
    }
    out.truncate(p - out.constData());
    return out;
}

bool ecrire(const QString& chemin, const QStringList& lignes, QString* erreur) {
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly)) {
        if (erreur)
            *erreur = f.errorString();
        return false;
    }
    f.write(encoder(lignes));
    if (!f.commit()) {
        if (erreur)
            *erreur = f.errorString();
        return false;
    }
    return true;
}

bool ajouter(const QString& chemin, const QStringList& lignes) {
    QFile f(chemin);
    // An existing UTF-8 log stays UTF-8; a new or single-byte one stays single-byte while it can.
    bool utf8 = false;
    if (f.exists() && f.open(QIODevice::ReadOnly)) {
        utf8 = f.read(3) == kBom;
        f.close();
    }
    const bool nouveau = !f.exists() || f.size() == 0;
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    QByteArray out;
    if (nouveau && !toutEncodable(lignes)) {
        out += kBom;
        utf8 = true;
    }
    for (const QString& l : lignes) {
        out += utf8 ? l.toUtf8() : Windows1252::encode(l);
        out += "\r\n";
    }
    return f.write(out) == out.size() && f.flush();
}

} // namespace TexteFichier
