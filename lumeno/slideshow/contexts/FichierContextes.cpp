#include "FichierContextes.h"

#include "Nombres.h"
#include "TexteFichier.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace FichierContextes {

QString chemin(const QString& dossierProgramme) {
    return QDir(dossierProgramme).filePath(QStringLiteral("Lumeno2.txt"));
}

QString cheminSauvegarde(const QString& dossierProgramme) {
    return QDir(dossierProgramme).filePath(QStringLiteral("Lumeno2-save.txt"));
}

QStringList contenuParDefaut() {
    QStringList lignes{QStringLiteral("CONTEXTE,Initial,,,,"), QStringLiteral(",2003,,,,"),
                       QStringLiteral("CONTEXTE,Autre,,,,")};
    for (int i = 0; i < 199; ++i)
        lignes << QStringLiteral(",,,,,");
    return lignes;
}

bool ContexteCreation(const QString& dossierProgramme, QString* erreur) {
    return TexteFichier::ecrire(chemin(dossierProgramme), contenuParDefaut(), erreur);
}

namespace {

// The first criteria line must stay within the catalogue's years: a year out of range becomes the
// nearest sensible bound, a month out of 1..12 is emptied.
void bornerPremiereLigne(GrilleContextes& grille, int anneeMaxi, int anneeMini) {
    const int ligne = 2;
    const int anneeDebut = Nombres::valeurEntier(grille.texte(ligne, 2));
    if (anneeDebut > 1600 && (anneeDebut > anneeMaxi || anneeDebut < anneeMini))
        grille.fixer(ligne, 2, QString::number(anneeMini));
    const int moisDebut = Nombres::valeurEntier(grille.texte(ligne, 3));
    if (moisDebut > 12 || moisDebut < 1)
        grille.fixer(ligne, 3, QString());
    const int anneeFin = Nombres::valeurEntier(grille.texte(ligne, 4));
    if (anneeFin > 1600 && (anneeFin > anneeMaxi || anneeFin < anneeMini))
        grille.fixer(ligne, 4, QString::number(anneeMaxi));
    const int moisFin = Nombres::valeurEntier(grille.texte(ligne, 5));
    if (moisFin > 12 || moisFin < 1)
        grille.fixer(ligne, 5, QString());
}

} // namespace

void remplirGrille(GrilleContextes& grille, const QStringList& lignes, int anneeMaxi, int anneeMini) {
    grille.vider();
    for (int r = 1; r < GrilleContextes::kLignes; ++r)
        grille.fixer(r, 0, Nombres::texteSigne(r));

    // Fields are read one after the other whatever the line ends: a line with more or fewer than
    // six fields shifts the following ones. A wholly empty line holds no field.
    QStringList champs;
    for (const QString& l : lignes)
        if (!l.isEmpty())
            champs += l.split(QLatin1Char(','));

    int r = 1;
    for (qsizetype debut = 0; debut < champs.size(); debut += 6) {
        const int cible = r <= 199 ? r : GrilleContextes::kLigneDebordement;
        for (int c = 1; c <= 6; ++c) {
            const qsizetype i = debut + c - 1;
            grille.fixer(cible, c, i < champs.size() ? champs[i] : QString());
        }
        if (r < GrilleContextes::kLigneDebordement)
            ++r;
    }

    for (int c = 1; c <= 6; ++c)
        grille.fixer(0, c, captionColonneContexte(c));
    grille.fixer(1, 1, QStringLiteral("CONTEXTE"));
    bornerPremiereLigne(grille, anneeMaxi, anneeMini);
}

bool ChargemenContexte(GrilleContextes& grille, const QString& dossierProgramme, int anneeMaxi,
                       int anneeMini) {
    const TexteFichier::Lecture lecture = TexteFichier::lire(chemin(dossierProgramme));
    remplirGrille(grille, lecture.ok ? lecture.lignes : QStringList{}, anneeMaxi, anneeMini);
    return lecture.ok;
}

QStringList lignesAEcrire(const GrilleContextes& grille) {
    QStringList lignes;
    for (int r = 1; r <= GrilleContextes::kDerniereLigneFichier; ++r) {
        QStringList champs;
        for (int c = 1; c <= 6; ++c)
            champs << grille.texte(r, c);
        lignes << champs.join(QLatin1Char(','));
    }
    return lignes;
}

namespace {

QByteArray contenuFichier(const QString& chemin, bool* existe) {
    QFile f(chemin);
    *existe = f.exists();
    if (!*existe || !f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// Puts back the exact bytes of a file, through a temporary file as well.
bool remettre(const QString& chemin, const QByteArray& octets) {
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(octets);
    return f.commit();
}

} // namespace

ResultatEnregistrement enregistrer(const GrilleContextes& grille, const QString& dossierProgramme) {
    ResultatEnregistrement resultat;
    const QString principal = chemin(dossierProgramme);
    const QString sauvegarde = cheminSauvegarde(dossierProgramme);
    const QStringList lignes = lignesAEcrire(grille);

    // The old file is kept in memory so that a failed backup can put it back: a save either
    // replaces both files or neither.
    bool ancienExiste = false;
    const QByteArray ancien = contenuFichier(principal, &ancienExiste);

    QString erreur;
    if (!TexteFichier::ecrire(principal, lignes, &erreur)) {
        resultat.erreur = QStringLiteral("Le fichier des contextes %1 n'a pas pu être enregistré (%2).")
                              .arg(QDir::toNativeSeparators(principal), erreur);
        return resultat;
    }
    if (!TexteFichier::ecrire(sauvegarde, lignes, &erreur)) {
        const bool remis = ancienExiste ? remettre(principal, ancien) : QFile::remove(principal);
        resultat.erreur =
            QStringLiteral("La copie de secours %1 n'a pas pu être écrite (%2). ")
                .arg(QDir::toNativeSeparators(sauvegarde), erreur) +
            (remis ? QStringLiteral("Le fichier des contextes n'a pas été modifié.")
                   : QStringLiteral("Le fichier des contextes a été modifié sans sa copie de secours."));
        return resultat;
    }
    resultat.ok = true;
    return resultat;
}

} // namespace FichierContextes
