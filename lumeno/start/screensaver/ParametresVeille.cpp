#include "ParametresVeille.h"

#include "Nombres.h"

int ParametresVeille::intervalleBorne(const QString& ligne19) {
    const int secondes = Nombres::valeurEntier(Nombres::milieu(ligne19, 1, 4));
    if (secondes > 32) {
        return 32;
    }
    if (secondes < 2) {
        return 10;
    }
    return secondes;
}

LectureParametresVeille LectureParametresVeille::interpreter(const QStringList& lignes) {
    LectureParametresVeille lecture;
    ParametresVeille& p = lecture.parametres;
    // Line numbers of the file are 1-based; a line past the end stops the reading there.
    auto ligne = [&lignes](int numero) { return lignes.at(numero - 1); };
    auto fin = [&lecture, &lignes](int numero) {
        if (numero <= lignes.size()) {
            return false;
        }
        lecture.issue = Issue::FinDeFichier;
        lecture.parametres.veilleAleatoire = false;
        lecture.parametres.intervalle = ParametresVeille::intervalleFinFichier;
        return true;
    };

    if (fin(16)) {
        return lecture;
    }
    QString dossier = ligne(16).trimmed();
    while (dossier.size() > 1 && (dossier.endsWith(u'/') || dossier.endsWith(u'\\'))) {
        dossier.chop(1);
    }
    p.dossierProgramme = dossier;
    p.dossierLu = true;

    if (fin(17)) {
        return lecture;
    }
    const QString l17 = ligne(17);
    p.veilleAleatoire = l17.startsWith(QStringLiteral("Aléato"));
    if (!p.veilleAleatoire) {
        p.sautDiaporama = Nombres::valeurEntier(Nombres::milieu(l17, 1, 4)) + 1;
    }

    if (fin(18)) {
        return lecture;
    }
    p.mot = Nombres::milieu(ligne(18), 1, 8).trimmed();

    if (fin(19)) {
        return lecture;
    }
    p.intervalle = ParametresVeille::intervalleBorne(ligne(19));

    if (fin(20)) {
        return lecture;
    }
    p.modeWeb = ligne(20).startsWith(u'1');

    if (fin(21)) {
        return lecture;
    }
    p.motWeb = ligne(21);

    if (fin(22)) {
        return lecture;
    }
    p.annee = Nombres::milieu(ligne(22), 1, 4).trimmed();
    return lecture;
}
