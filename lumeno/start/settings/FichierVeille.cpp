#include "FichierVeille.h"

#include "Nombres.h"
#include "TexteFichier.h"
#include "TextesFixes.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString uneLigne(QString valeur) {
    for (QChar& c : valeur) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return valeur;
}

} // namespace

QString dossierConfiguration() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/lumeno");
}

QString cheminFichierVeille(const QString& dossier) {
    return dossier + QStringLiteral("/Lumeno3.txt");
}

QString LectureVeille::ligne(int numero) const {
    return numero >= 1 && numero <= lignes.size() ? lignes[numero - 1] : QString();
}

LectureVeille lireFichierVeille(const QString& dossier) {
    LectureVeille r;
    const QString chemin = cheminFichierVeille(dossier);
    if (!QFileInfo(chemin).isFile())
        return r;
    const TexteFichier::Lecture lecture = TexteFichier::lire(chemin);
    r.present = lecture.ok;
    r.lignes = lecture.lignes;
    return r;
}

FichierVeille saisieVeille(const LectureVeille& lecture) {
    FichierVeille v;
    const int n = static_cast<int>(lecture.lignes.size());
    if (n >= 16)
        v.cheminProgramme = lecture.ligne(16);
    if (n >= 17)
        v.aleatoire = lecture.ligne(17).left(12);
    if (n >= 18)
        v.mot = lecture.ligne(18).left(8);
    if (n >= 19)
        v.tempo = lecture.ligne(19).left(3);
    if (n >= 20)
        v.internet = lecture.ligne(20).startsWith(QLatin1Char('1'));
    if (n >= 21)
        v.motInternet = lecture.ligne(21);
    if (n >= 22)
        v.annee = lecture.ligne(22).left(8);
    return v;
}

QStringList lignesFichierVeille(const FichierVeille& v) {
    QStringList l;
    l << QStringLiteral("----Config") << QStringLiteral("de l'écran de veille du micro.")
      << QStringLiteral("Fichier d'initialisation") << QStringLiteral("de l'écran de veille de ce micro.")
      << QStringLiteral(" ") << QStringLiteral("Merci de ne pas détruire ce fichier.") << QStringLiteral("-")
      << QStringLiteral("Ne pas changer le nombre de lignes !!");
    for (int i = 9; i <= 14; ++i)
        l << QStringLiteral("-");
    l << QStringLiteral("<---- Ligne Numéro 15 du fichier (vérifier cela en cas de problème).");
    l << uneLigne(v.cheminProgramme);
    const QString aleatoire =
        Nombres::valeur(v.aleatoire) < 1 ? QStringLiteral("Aléatoire") : uneLigne(v.aleatoire);
    l << aleatoire + TextesFixes::kCommentaireAleatoire;
    l << uneLigne(v.mot) + TextesFixes::kCommentaireMot;
    l << uneLigne(v.tempo) + TextesFixes::kCommentaireTempo;
    l << (v.internet ? QStringLiteral("1") : QStringLiteral("0"));
    l << uneLigne(v.motInternet);
    l << uneLigne(v.annee) + TextesFixes::kCommentaireAnnee;
    return l;
}

bool ecrireFichierVeille(const FichierVeille& valeurs, const QString& dossier, QString* erreur) {
    if (!QDir().mkpath(dossier)) {
        if (erreur)
            *erreur = QStringLiteral("Impossible de créer le dossier ") + dossier;
        return false;
    }
    return TexteFichier::ecrire(cheminFichierVeille(dossier), lignesFichierVeille(valeurs), erreur);
}
