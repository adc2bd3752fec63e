#include "ListePhp.h"

#include "Cp1252.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

bool lireTout(const QString& chemin, QByteArray* contenu, QString* erreur) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) {
        *erreur = QStringLiteral("Le fichier ") + QDir::toNativeSeparators(chemin) +
                  QStringLiteral(" ne peut pas être lu : ") + f.errorString();
        return false;
    }
    *contenu = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        *erreur = QStringLiteral("Erreur de lecture du fichier ") + QDir::toNativeSeparators(chemin) +
                  QStringLiteral(" : ") + f.errorString();
        return false;
    }
    return true;
}

// Writes beside the target and renames over it: the target is either the old file or the new one.
bool ecrireTout(const QString& chemin, const QByteArray& contenu, QString* erreur) {
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(contenu) != contenu.size() || !f.commit()) {
        *erreur = QStringLiteral("Erreur d'écriture du fichier ") + QDir::toNativeSeparators(chemin) +
                  QStringLiteral(" : ") + f.errorString() +
                  QStringLiteral(". Le fichier est resté tel quel.");
        return false;
    }
    return true;
}

} // namespace

namespace ListePhp {

QString cheminListe(const QString& dossier) {
    return QDir(dossier).filePath(kListe);
}

QString cheminSauvegarde(const QString& dossier) {
    return QDir(dossier).filePath(kSauvegarde);
}

bool quatriemeChamp(const QString& ligne, QString* champ) {
    qsizetype position = -1;
    for (int virgule = 0; virgule < 3; ++virgule) {
        position = ligne.indexOf(QLatin1Char(','), position + 1);
        if (position < 0) {
            champ->clear();
            return false;
        }
    }
    const qsizetype fin = ligne.indexOf(QLatin1Char(','), position + 1);
    *champ = ligne.mid(position + 1, fin < 0 ? -1 : fin - position - 1);
    return true;
}

Resultat sauvegarder(const QString& dossier) {
    Resultat r;
    QByteArray contenu;
    if (lireTout(cheminListe(dossier), &contenu, &r.erreur) &&
        ecrireTout(cheminSauvegarde(dossier), contenu, &r.erreur))
        r.ok = true;
    return r;
}

Resultat supprimerDossier(const QString& dossier, const QString& nomDossier) {
    Resultat r;
    QByteArray source;
    if (!lireTout(cheminSauvegarde(dossier), &source, &r.erreur))
        return r;
    const bool utf8 = source.startsWith(kBom);
    QByteArray sortie;
    sortie.reserve(source.size());
    int supprimees = 0;
    qsizetype debut = 0;
    while (debut < source.size()) {
        qsizetype fin = source.indexOf('\n', debut);
        fin = fin < 0 ? source.size() : fin + 1;
        const QByteArray ligne = source.mid(debut, fin - debut);
        debut = fin;
        QByteArray texte = ligne;
        while (texte.endsWith('\n') || texte.endsWith('\r'))
            texte.chop(1);
        const QString decodee =
            utf8 ? QString::fromUtf8(texte.startsWith(kBom) ? texte.mid(3) : texte) : Cp1252::decoder(texte);
        QString champ;
        if (quatriemeChamp(decodee, &champ) && champ == nomDossier) {
            ++supprimees;
            continue;
        }
        sortie += ligne;
    }
    // The byte-order mark stays at the head of the file even when its line is removed.
    if (utf8 && !sortie.startsWith(kBom))
        sortie.prepend(kBom);
    if (!ecrireTout(cheminListe(dossier), sortie, &r.erreur))
        return r;
    r.ok = true;
    r.supprimees = supprimees;
    return r;
}

} // namespace ListePhp
