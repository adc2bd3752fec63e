#include "LectureReglages.h"

#include "DateConfig.h"
#include "Horloge.h"
#include "Nombres.h"
#include "TexteFichier.h"

#include <QFileInfo>

namespace {

// The reading stops after line 66; line 67 ("[Fin]") is not read.
constexpr int kDerniereLigneLue = 66;

int valeur(const QString& ligne) {
    return Nombres::valeurEntier(ligne);
}

bool coche(const QString& texte) {
    return valeur(texte) == 1;
}

void lireLigne(int numero, const QString& ligne, ReglagesLumeno& r) {
    switch (numero) {
    case 2:
    case 3:
    case 4: {
        const RacineCatalogue lue = lireLigneRacine(ligne);
        RacineCatalogue& racine = r.racines[numero - 2];
        if (!lue.chemin.isEmpty())
            racine.chemin = lue.chemin;
        racine.cochee = lue.cochee;
        break;
    }
    case 8: {
        // No photo comes from after next year.
        const int n = Horloge::anneeMaxiPhotos();
        const int v = valeur(ligne);
        r.anneeMaxi = v > n ? n - 1 : v;
        break;
    }
    case 9:
        r.anneeMini = valeur(ligne);
        break;
    case 10:
        r.configCheck6 = coche(Nombres::milieu(ligne, 7, 1));
        break;
    case 11:
        r.configCheck7 = coche(Nombres::milieu(ligne, 7, 1));
        break;
    case 12:
        r.configCheck8 = coche(Nombres::milieu(ligne, 7, 1));
        break;
    case 13:
        r.couleurTexteHtml = ligne;
        break;
    case 21:
        r.etatFenetre = valeur(ligne);
        break;
    case 22:
    case 23:
    case 24:
    case 25: {
        // In full screen the remembered size is not used.
        if (r.etatFenetre == 2)
            break;
        const int v = valeur(ligne);
        if (numero == 22)
            r.hautFenetre = v;
        else if (numero == 23)
            r.gaucheFenetre = v;
        else if (numero == 24)
            r.hauteurFenetre = v;
        else
            r.largeurFenetre = v > 5000 ? v - 500 : v; // written with 500 added
        break;
    }
    case 27: {
        const int v = valeur(ligne);
        r.hScroll1 = v >= 1 && v <= 15 ? v : 4;
        break;
    }
    case 31:
        r.formatDeclare = valeur(ligne) == 1;
        break;
    case 32:
        r.formatPhotos1 = r.formatDeclare ? ligne : QString();
        break;
    case 34:
        r.configCheck11 = coche(ligne);
        break;
    case 36:
        r.nombreMusiques = valeur(ligne);
        break;
    case 38:
        r.configCheck12 = coche(ligne);
        break;
    case 40:
        r.nombreMots = valeur(ligne);
        break;
    case 42:
        r.nombreAnnees = valeur(ligne);
        break;
    case 44:
        r.nombreMois = valeur(ligne);
        break;
    case 46:
        r.configCheckTri = coche(ligne);
        break;
    case 48: {
        const QString adresse = ligne.trimmed();
        r.webAutreURL = adresse.isEmpty() || adresse == kAdresseWebObsolete ? kAdresseWebLumeno : ligne;
        break;
    }
    case 51:
        r.webMotPasse = ligne;
        break;
    case 53:
        r.dateMiseAJour = lireDateConfig(ligne);
        break;
    case 55:
        r.configAutoJour = ligne;
        break;
    case 57:
        r.texteCheck16 = coche(ligne);
        break;
    case 59:
        r.quickTimeCheck17 = coche(ligne);
        break;
    case 62:
        r.deblocagePlayer = !ligne.startsWith(QLatin1String("of"));
        break;
    case 64:
        r.vocaleCheck19 = coche(ligne);
        break;
    case 66:
        r.personnagesCheck20 = coche(ligne);
        break;
    default:
        // Section tags, fixed texts, the scan's record count (6), the program folder (16) and the
        // QuickTime path (60) are passed over.
        break;
    }
}

} // namespace

RacineCatalogue lireLigneRacine(const QString& ligne) {
    RacineCatalogue r;
    const QString t = ligne.trimmed();
    const int n = static_cast<int>(t.size());
    r.chemin = n > 2 ? t.left(n - 2) : QString();
    r.cochee = coche(Nombres::milieu(t, n, 1));
    return r;
}

LectureReglages lireLignesReglages(const QStringList& lignes) {
    LectureReglages r;
    r.reglages = ReglagesLumeno::parDefaut();
    r.issue = IssueLectureReglages::Complet;
    for (int numero = 1; numero <= kDerniereLigneLue; ++numero) {
        if (numero > lignes.size()) {
            r.issue = IssueLectureReglages::Incomplet;
            r.message = kMessageInitPasAJour;
            break;
        }
        lireLigne(numero, lignes[numero - 1], r.reglages);
        r.lignesLues = numero;
    }
    // A root whose folder is missing (an unplugged disk) affects that root only: its path is kept
    // for the next time the disk is there.
    for (int i = 0; i < 3 && i + 2 <= r.lignesLues; ++i) {
        RacineCatalogue& racine = r.reglages.racines[i];
        racine.disponible = QFileInfo(racine.chemin).isDir();
        if (!racine.disponible)
            r.racinesIndisponibles.append(i);
    }
    return r;
}

LectureReglages lireReglages(const QString& dossierProgramme) {
    const QString chemin = dossierProgramme + QStringLiteral("/Lumeno1.txt");
    if (!QFileInfo::exists(chemin)) {
        LectureReglages r;
        r.reglages = ReglagesLumeno::parDefaut();
        return r;
    }
    const TexteFichier::Lecture lecture = TexteFichier::lire(chemin);
    if (!lecture.ok) {
        LectureReglages r;
        r.reglages = ReglagesLumeno::parDefaut();
        r.issue = IssueLectureReglages::Incomplet;
        r.message = kMessageInitPasAJour;
        return r;
    }
    return lireLignesReglages(lecture.lignes);
}

GeometrieFenetre geometrieApplicable(const ReglagesLumeno& r) {
    GeometrieFenetre g;
    if (r.etatFenetre == 2)
        return g;
    if (r.hautFenetre >= 2)
        g.haut = r.hautFenetre;
    if (r.gaucheFenetre > 1)
        g.gauche = r.gaucheFenetre;
    if (r.hauteurFenetre > 10)
        g.hauteur = r.hauteurFenetre;
    if (r.largeurFenetre > 10)
        g.largeur = r.largeurFenetre;
    return g;
}
