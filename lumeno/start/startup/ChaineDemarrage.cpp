#include "ChaineDemarrage.h"

#include "Boite.h"
#include "ChargementContextes.h"
#include "GenresFichiers.h"
#include "Hasard.h"
#include "Horloge.h"
#include "Lanceur.h"
#include "ListesDemarrage.h"
#include "MarqueursMiseAJour.h"
#include "MiseAJourAuto.h"
#include "Nombres.h"
#include "NomsFichiers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

#include <filesystem>

namespace {

void appeler(const std::function<void()>& f) {
    if (f)
        f();
}

// Copies through a temporary name renamed over the target: a half-copied catalogue is never opened.
bool copierSur(const QString& source, const QString& cible) {
    const QString temporaire = cible + QStringLiteral(".copie");
    QFile::remove(temporaire);
    if (!QFile::copy(source, temporaire))
        return false;
    QFile::setPermissions(temporaire, QFile::permissions(temporaire) | QFile::WriteOwner);
    std::error_code ec;
    std::filesystem::rename(temporaire.toStdString(), cible.toStdString(), ec);
    if (ec)
        QFile::remove(temporaire);
    return !ec;
}

// The program folder followed by its separator ("/" stays "/").
QString avecSeparateur(const QString& dossier) {
    return dossier.endsWith(QLatin1Char('/')) ? dossier : dossier + QLatin1Char('/');
}

} // namespace

ChaineDemarrage::ChaineDemarrage(EtatDemarrage& etat, VueDemarrage& vue, CatalogueDemarrage& catalogue,
                                 CrochetsDemarrage& crochets)
    : etat_(etat), vue_(vue), catalogue_(catalogue), crochets_(crochets) {}

QString ChaineDemarrage::chemin(const QString& nom) const {
    return QDir(etat_.dossierProgramme).filePath(nom);
}

void ChaineDemarrage::quitter() {
    quitte_ = true;
    vue_.quitter();
}

void ChaineDemarrage::demarrer() {
    if (etapeA())
        etapeB();
}

// The window's load: the update markers and the command-line file. Returns whether step B follows.
bool ChaineDemarrage::etapeA() {
    vue_.messageBas(QStringLiteral(" . ") + etat_.messageEntree);
    Hasard::initialiser();
    veille_ = {};
    criteres_.sautDiaporama = 0;
    etat_.voix = true;

    if (etat_.modeVeille) {
        vue_.pleinEcran();
        if (crochets_.demarrageVeille)
            return crochets_.demarrageVeille(etat_, veille_);
        return true;
    }
    if (QFileInfo::exists(chemin(NomsFichiers::marqueurInstallationBase))) {
        installationDeBase();
        return false;
    }
    if (QFileInfo::exists(chemin(NomsFichiers::marqueurReprise))) {
        reprendreMiseAJour();
        return false;
    }
    etat_.drapeauRacine = etat_.drapeauRacine || QDir(etat_.dossierProgramme).isRoot();
    etat_.drapeauUnc = etat_.dossierProgramme.startsWith(QLatin1String("//"));
    if (!etat_.fichierLigneCommande.isEmpty()) {
        const int dernier = etat_.fichierLigneCommande.lastIndexOf(QLatin1Char('/'));
        etat_.dossierLigneCommande = dernier > 0    ? etat_.fichierLigneCommande.left(dernier)
                                     : dernier == 0 ? QStringLiteral("/")
                                                    : QString();
    }
    return true;
}

void ChaineDemarrage::installationDeBase() {
    QFile::remove(chemin(NomsFichiers::marqueurInstallationBase));
    // A new version waiting on a mounted volume; the last one found is kept.
    QString source;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString dossier =
            QDir(volume.rootPath()).filePath(QStringLiteral("x-Lumeno/Lumeno/Derniere_Version"));
        if (QFileInfo(QDir(dossier).filePath(NomsFichiers::programme)).isFile())
            source = dossier;
    }
    if (!source.isEmpty()) {
        if (crochets_.installationDepuis)
            crochets_.installationDepuis(source);
        return;
    }
    const Boite::Reponse r = Boite::information(
        QStringLiteral("Lumeno - installation"),
        QStringLiteral(
            "Vous avez installé la version de base de Lumeno. Voulez vous installer les compléments et "
            "avoir une version récente via l'Internet ? Si oui connectez vous sur l'Internet puis "
            "cliquer sur le bouton OK, sinon Annuler  "),
        Boite::Boutons::OkAnnuler);
    appeler(r == Boite::Reponse::Ok ? crochets_.miseAJourWeb : crochets_.installationVeille);
}

void ChaineDemarrage::reprendreMiseAJour() {
    vue_.messageHaut(QStringLiteral("Suite de la mise à jour du logiciel ..."));
    vue_.messageBas(QString());
    const QString phase2 = chemin(NomsFichiers::marqueurPhase2);
    QFile::remove(phase2);
    QFile::copy(chemin(NomsFichiers::marqueurReprise), phase2);
    etat_.differe = 6;
    vue_.armerTimer2(6, 2000);
}

void ChaineDemarrage::etapeB() {
    termine_ = false;
    etat_.prefixeMessageBas = QStringLiteral(". ");
    vue_.curseurAttente(true);
    vue_.barreEnBasDeFenetre();
    vue_.arreterTimer2();

    etat_.presence = PresenceFichiers::dans(etat_.dossierProgramme);
    // The end of start-up goes by what this first look found, before the command-line file may move
    // the program folder.
    etat_.programmeVuAuDepart = etat_.presence.programme;

    if (etat_.veilleActive && !etat_.presence.reglages) {
        Boite::critique(
            QStringLiteral("Problème technique Veille Ecran"),
            QStringLiteral("La configuration de l'Ecran de Veille de Lumeno n'est pas correcte. Pour "
                           "la corriger : lancer Lumeno puis, clic droit et au manu choisir : Mise à "
                           "jour Ecran de Veille."));
        quitter();
        return;
    }
    if (etat_.presence.modeleCatalogue &&
        QFileInfo(chemin(NomsFichiers::modeleCatalogue)).size() < NomsFichiers::tailleMiniModele) {
        const Boite::Reponse r = Boite::critique(
            QStringLiteral("Problème technique"),
            QStringLiteral(
                "Le fichier Lumeno2.mdb n'est pas le bon. Il faut recopier la derniere version de ce "
                "fichier dans : ") +
                avecSeparateur(etat_.dossierProgramme) +
                QStringLiteral("Lumeno2.mdb . Répondre Annuler pour quitter ou OK pour continuer sachant que "
                               "Lumeno n'est pas utilisable dans l'état sauf pour tenter une mise à jour du "
                               "logiciel."),
            Boite::Boutons::OkAnnuler);
        if (r != Boite::Reponse::Ok) {
            quitter();
            return;
        }
        etat_.presence.modeleCatalogue = false;
        appeler(crochets_.miseAJourDepuisFichier);
    }
    if (!etat_.presence.programme && !ligneCommandeHorsDossier())
        return;
    if (!QFileInfo(etat_.dossierProgramme).isWritable())
        vue_.messageHaut(
            QStringLiteral("Le dossier du programme ") + etat_.dossierProgramme +
            QStringLiteral(" n'est pas modifiable : la Base de Données ne pourra pas être mise à jour."));

    if (!ouvrirCatalogue())
        return;
    if (etat_.musiqueLigneCommande) {
        etat_.differe = 2;
        vue_.armerTimer2(2, 100);
        return;
    }
    etapeC();
}

// The program was started outside its folder. Returns false when start-up stops here.
bool ChaineDemarrage::ligneCommandeHorsDossier() {
    if (etat_.fichierLigneCommande.isEmpty()) {
        // Started from another folder (a desktop launcher starts in the home folder): the explorer
        // shows that folder, but the data files stay the executable's, so nothing is ever written
        // into the user's folder.
        if (crochets_.pointerExplorateur)
            crochets_.pointerExplorateur(etat_.dossierProgramme);
        etat_.drapeauRacine = true;
        demenagerVersExecutable();
        return true;
    }
    const QString fichier = etat_.fichierLigneCommande;
    if (crochets_.pointerExplorateur)
        crochets_.pointerExplorateur(etat_.dossierLigneCommande);
    if (fichier.size() < 5) {
        etat_.drapeauRacine = true;
    } else {
        const QString nom = QFileInfo(fichier).fileName();
        QString extension;
        if (nom.size() >= 4 && nom.at(nom.size() - 4) == QLatin1Char('.'))
            extension = nom.right(3);
        else if (nom.size() >= 5 && nom.at(nom.size() - 5) == QLatin1Char('.'))
            extension = nom.right(4);
        if (!extension.isEmpty()) {
            switch (genreLigneCommande(extension)) {
            case GenreLigneCommande::Musique:
                etat_.musiqueLigneCommande = true;
                if (crochets_.demarrerMusique)
                    crochets_.demarrerMusique(fichier);
                break;
            case GenreLigneCommande::Video:
                etat_.videoLigneCommande = true;
                etat_.differe = 1;
                vue_.armerTimer2(1, 100);
                break;
            case GenreLigneCommande::Photo:
                if (crochets_.afficherPhoto)
                    crochets_.afficherPhoto(fichier);
                vue_.montrerMessageBas(false);
                break;
            }
        }
    }
    // The data files are the executable's, never the user's photo folder's.
    demenagerVersExecutable();
    return true;
}

void ChaineDemarrage::demenagerVersExecutable() {
    if (!etat_.dossierExecutable.isEmpty())
        etat_.dossierProgramme = etat_.dossierExecutable;
    etat_.presence = PresenceFichiers::dans(etat_.dossierProgramme);
}

// Opens the catalogue, or makes it from the template. Returns whether step C follows.
bool ChaineDemarrage::ouvrirCatalogue() {
    const QString catalogue = chemin(NomsFichiers::catalogue);
    if (etat_.presence.catalogue) {
        switch (catalogue_.ouvrir(catalogue)) {
        case CatalogueDemarrage::Ouverture::Ok:
            return true;
        case CatalogueDemarrage::Ouverture::LectureSeule: {
            if (etat_.modeVeille)
                vue_.modeFenetre();
            QFile::setPermissions(catalogue, QFile::permissions(catalogue) | QFile::WriteOwner);
            if (fichierModifiable(catalogue))
                Boite::information(
                    QStringLiteral("Message de Réparation."),
                    QStringLiteral("Le fichier lumeno1.mdb était bloqué (vient d'un CD). C'est "
                                   "réparé. Faites OK puis relancer Lumeno."));
            else
                Boite::critique(
                    QStringLiteral("Message de Réparation."),
                    QStringLiteral("Le fichier lumeno1.mdb est bloqué en lecture seule et n'a pas pu "
                                   "être débloqué. Donnez le droit d'écriture sur ce fichier : ") +
                        catalogue + QStringLiteral(" puis relancer Lumeno."));
            quitter();
            return false;
        }
        case CatalogueDemarrage::Ouverture::EnUsage:
        case CatalogueDemarrage::Ouverture::Erreur:
            if (etat_.modeVeille)
                vue_.modeFenetre();
            vue_.curseurAttente(false);
            vue_.messageHaut(QStringLiteral("Erreur au Démarrage phase 1"));
            return true;
        }
    }
    if (etat_.presence.modeleCatalogue) {
        if (etat_.presence.programme) {
            if (!copierSur(chemin(NomsFichiers::modeleCatalogue), catalogue)) {
                vue_.curseurAttente(false);
                vue_.messageHaut(QStringLiteral("Erreur au Démarrage phase 1 : impossible de créer ") +
                                 catalogue);
                return false;
            }
            etat_.differe = 14;
            vue_.armerTimer2(14, 3000);
        } else {
            BoutonsVisibles aucun;
            aucun.quitter = true;
            vue_.boutons(aucun);
            if (etat_.modeVeille)
                Boite::information(
                    QStringLiteral("Message d'information"),
                    QStringLiteral("Confirmation que Lumeno est utilisé pour la Veille d'Ecran. (En "
                                   "utilisation ce message indiquerait qu'il y a une erreur de "
                                   "chemin dans le fichier Lumeno3.txt.)"));
        }
        vue_.curseurAttente(false);
        return false;
    }
    return true;
}

void ChaineDemarrage::etapeC() {
    lecture_ = lireReglages(etat_.dossierProgramme);
    reglages_ = lecture_.reglages;
    if (crochets_.reglagesLus)
        crochets_.reglagesLus(reglages_);
    if (lecture_.issue == IssueLectureReglages::Absent) {
        etapesDaG();
        return;
    }
    if (reglages_.etatFenetre == 2 && !vue_.estMaximisee())
        vue_.pleinEcran();
    vue_.curseurVitesse(reglages_.hScroll1);
    vue_.retenirTailleNormale(reglages_.hauteurFenetre, reglages_.largeurFenetre);
    const bool incomplet = lecture_.issue == IssueLectureReglages::Incomplet;
    if (incomplet)
        vue_.messageHaut(kMessageInitPasAJour);
    if (!lecture_.racinesIndisponibles.isEmpty()) {
        Boite::information(QStringLiteral("Information"), kMessageLecteurAbsent);
        vue_.ouvrirConfiguration();
    }
    if (incomplet || !lecture_.racinesIndisponibles.isEmpty()) {
        if (etat_.modeVeille)
            vue_.modeFenetre();
        etapesDaG();
        return;
    }
    verificationScanAuto();
}

void ChaineDemarrage::verificationScanAuto() {
    MiseAJourAuto::Donnees d;
    d.fichierLigneCommande = !etat_.fichierLigneCommande.isEmpty();
    if (reglages_.dateMiseAJour.isValid())
        d.derniereMiseAJour = reglages_.dateMiseAJour;
    d.configAutoJour = reglages_.configAutoJour;
    d.modeVeille = etat_.modeVeille;
    d.relanceApresScan = etat_.relanceApresScan;
    etat_.relanceApresScan = false;
    d.aujourdhui = Horloge::aujourdhui();
    const MiseAJourAuto::Decision decision = MiseAJourAuto::evaluer(d);
    if (!d.fichierLigneCommande)
        reglages_.configAutoJour = decision.configAutoJour;
    switch (decision.suite) {
    case MiseAJourAuto::Suite::Contextes:
        etapesDaG();
        return;
    case MiseAJourAuto::Suite::ScanSansQuestion:
        vue_.ouvrirConfiguration();
        etat_.differe = 20;
        vue_.armerTimer2(20, 800);
        vue_.messageBas(QStringLiteral("Mise à jour Automatique de la BdD"));
        vue_.curseurAttente(false);
        return;
    case MiseAJourAuto::Suite::Question:
        if (Boite::question(QStringLiteral("Question"), MiseAJourAuto::texteQuestion(decision.jours),
                            Boite::Boutons::OkAnnuler) == Boite::Reponse::Ok) {
            vue_.ouvrirConfiguration();
            etat_.differe = 20;
            vue_.armerTimer2(20, 800);
            vue_.curseurAttente(false);
            return;
        }
        etapesDaG();
        return;
    }
}

void ChaineDemarrage::etapesDaG() {
    if (!etapeD())
        return;
    // E: the catalogue list in key order.
    listes_.liste.clear();
    listes_.positionsTri.clear();
    if (catalogue_.estOuvert()) {
        const auto noms = catalogue_.nomsEnOrdreClef();
        for (const auto& n : noms) {
            listes_.liste << n.nom;
            listes_.positionsTri << n.tri;
        }
        listes_.nombreEnregistrements = static_cast<int>(noms.size());
    }
    // F: the folders.
    listes_.choixRepert = ListesDemarrage::repertoires(reglages_.racines);
    // G: words, years and months.
    listes_.listeMotDefini =
        ListesDemarrage::mots(catalogue_.estOuvert() ? catalogue_.mots() : QStringList());
    listes_.choixAnnee = ListesDemarrage::annees(catalogue_.estOuvert() ? catalogue_.annees() : QList<int>(),
                                                 Horloge::anneeMaxiPhotos());
    listes_.choixMois = ListesDemarrage::mois(catalogue_.estOuvert() ? catalogue_.mois() : QList<int>());
    etapeH();
}

// The contexts. Returns false when the program quits.
bool ChaineDemarrage::etapeD() {
    const ChargementContextes c = chargerContextesDemarrage(grille_, contexteExiste_, etat_.dossierProgramme,
                                                            reglages_.anneeMaxi, reglages_.anneeMini);
    if (c.etat == ChargementContextes::Etat::Recree || c.etat == ChargementContextes::Etat::Absent) {
        quitter();
        return false;
    }
    listes_.contexteListe = c.noms.isEmpty() ? QStringList{QStringLiteral("(Aucun)")} : c.noms;
    return true;
}

void ChaineDemarrage::etapeH() {
    appeler(crochets_.preparerCompagnons);
    listes_.repertRetenu = QList<bool>(listes_.choixRepert.size(), true);
    vue_.listesPretes(listes_);
    criteresInitiaux();
    placementFenetre();
    vue_.intervalleTimer1(reglages_.hScroll1 * 1000 + 30);

    std::optional<QString> premier;
    if (catalogue_.estOuvert())
        premier = catalogue_.premierNom();
    vue_.curseurAttente(false);
    if (!catalogue_.estOuvert()) {
        // Nothing to show; the error stops the chain here, and says why.
        if (etat_.modeVeille)
            vue_.modeFenetre();
        if (!etat_.presence.catalogue)
            vue_.messageHaut(QStringLiteral("Erreur au Démarrage : il n'y a pas de Base de Données ") +
                             NomsFichiers::catalogue + QStringLiteral(" dans le dossier ") +
                             etat_.dossierProgramme);
        return;
    }
    if (!premier) {
        // An empty catalogue: the configuration screen, and the scan an update asked for.
        if (etat_.modeVeille)
            vue_.modeFenetre();
        vue_.ouvrirConfiguration();
        if (QFileInfo::exists(chemin(NomsFichiers::marqueurScan))) {
            etat_.differe = 8;
            vue_.armerTimer2(8, 1000);
        }
        return;
    }
    if (!etat_.programmeVuAuDepart) {
        BoutonsVisibles b;
        b.quitter = b.marche3 = b.marche = b.arriere = b.recherche = b.clavierBlanc = true;
        if (etat_.visionneusePresente) {
            b.miniature = true;
            b.legendeMiniature = QStringLiteral("Modifier");
        } else {
            b.config = true;
        }
        vue_.boutons(b);
        if (etat_.musiqueLigneCommande || etat_.videoLigneCommande) {
            vue_.messageHaut(QStringLiteral("Appuyer sur le bouton Recherche"));
            vue_.messageBas(QStringLiteral("Appuyer sur le bouton Recherche"));
            if (etat_.musiqueLigneCommande)
                vue_.minimiser();
        }
        termine_ = true;
        return;
    }
    appeler(crochets_.rechercheSelection);
    BoutonsVisibles b;
    b.quitter = b.recherche = b.curseur = b.arriere = b.pause = b.miniature = b.clavierBlanc = true;
    if (etat_.programmeVuAuDepart && crochets_.pointerExplorateur)
        crochets_.pointerExplorateur(reglages_.racines[0].chemin);
    if (etat_.veilleActive) {
        vue_.boutons(BoutonsVisibles{});
        if (veille_.web) {
            appeler(crochets_.rechercheWeb);
            termine_ = true;
            return;
        }
        if (veille_.intervalleSecondes > 0)
            vue_.intervalleTimer1(veille_.intervalleSecondes * 1000 + 30);
    } else {
        vue_.boutons(b);
    }
    if (etat_.drapeauRacine) {
        vue_.ouvrirRecherche();
        termine_ = true;
        return;
    }
    marqueursFin();
    vue_.demarrerTimer1();
    termine_ = true;
}

void ChaineDemarrage::criteresInitiaux() {
    if (etat_.veilleAleatoire || !contexteExiste_) {
        const int ecart = reglages_.anneeMaxi - reglages_.anneeMini;
        criteres_.anneeRecherche =
            Nombres::texteSigne(static_cast<int>(Hasard::rnd() * ecart) + reglages_.anneeMini);
        criteres_.moisRecherche = Nombres::texteSigne(static_cast<int>(Hasard::rnd() * 11) + 1);
    } else {
        criteres_.contexteDemarrage =
            listes_.contexteListe.size() > 1 ? listes_.contexteListe.at(1) : QString();
        criteres_.contexteChoisi = criteres_.contexteDemarrage;
        if (crochets_.appliquerContexte && !criteres_.contexteDemarrage.isEmpty())
            crochets_.appliquerContexte(criteres_.contexteDemarrage);
        criteres_.sautDiaporama = Hasard::entier(veille_.saut);
    }
    if (!veille_.mot.isEmpty() || !veille_.annee.isEmpty()) {
        criteres_.moisRecherche.clear();
        criteres_.contexteChoisi = QStringLiteral("(Aucun)");
        criteres_.motRecherche = veille_.mot;
        criteres_.anneeRecherche = veille_.annee;
        criteres_.sautDiaporama = Hasard::entier(veille_.saut);
    }
}

void ChaineDemarrage::placementFenetre() {
    if (lecture_.issue == IssueLectureReglages::Absent || !vue_.etatNormal())
        return;
    const GeometrieFenetre g = geometrieApplicable(reglages_);
    if (g.haut || g.gauche || g.hauteur || g.largeur)
        vue_.placerFenetre(g.haut, g.gauche, g.hauteur, g.largeur);
}

void ChaineDemarrage::marqueursFin() {
    if (QFileInfo::exists(chemin(NomsFichiers::marqueurVersion))) {
        QFile::remove(chemin(NomsFichiers::marqueurVersion));
        if (!etat_.modeVeille)
            appeler(crochets_.ecranVersion);
    }
    MarqueursMiseAJour::nettoyerTelechargement(etat_.dossierProgramme);
}

void ChaineDemarrage::tickTimer2() {
    const int etat = etat_.differe;
    // States that end the timer stop it first: their action may arm it again.
    const bool continue_ = etat == 6 || etat == 7;
    const bool connu = continue_ || etat == 1 || etat == 2 || etat == 5 || etat == 8 || etat == 9 ||
                       etat == 10 || etat == 14 || etat == 16 || etat == 20 || (etat >= 23 && etat <= 26);
    if (!connu)
        return;
    if (!continue_)
        vue_.arreterTimer2();
    if (etat == 1 || etat == 2 || etat == 5)
        etat_.differe = 0;
    switch (etat) {
    case 1:
        if (crochets_.demarrerVideo)
            crochets_.demarrerVideo(etat_.fichierLigneCommande);
        break;
    case 2:
        etapeC();
        break;
    case 5:
        if (!Lanceur::courant().demarrer(chemin(NomsFichiers::utilitaire), {}, etat_.dossierProgramme))
            Boite::information(
                QStringLiteral("Lumeno"),
                QStringLiteral("Le logiciel de reboot (LumenoMaj.exe) n'est pas opérationnel."));
        quitter();
        break;
    case 6: {
        QFile::remove(chemin(NomsFichiers::marqueurReprise));
        QString erreur;
        switch (MarqueursMiseAJour::remplacerUtilitaire(etat_.dossierProgramme, &erreur)) {
        case MarqueursMiseAJour::Remplacement::Fait:
            etat_.differe = 7;
            break;
        case MarqueursMiseAJour::Remplacement::Manquant:
            Boite::information(QStringLiteral("Lumeno"),
                               QStringLiteral("Il manque le fichier LumenoMajExe.tmp : le logiciel de reboot "
                                              "LumenoMaj n'est pas remplacé par sa nouvelle version."));
            etat_.differe = 5;
            break;
        case MarqueursMiseAJour::Remplacement::Echec:
            // The new version stays in LumenoMajExe.tmp for a later try.
            Boite::information(
                QStringLiteral("Lumeno"),
                QStringLiteral("Le logiciel de reboot LumenoMaj n'a pas pu être remplacé par sa "
                               "nouvelle version (") +
                    erreur + QStringLiteral(")."));
            etat_.differe = 5;
            break;
        }
        break;
    }
    case 7:
        QFile::remove(chemin(NomsFichiers::nouvelUtilitaire));
        etat_.differe = 5;
        break;
    case 8:
        appeler(crochets_.scanCatalogue);
        QFile::remove(chemin(NomsFichiers::marqueurScan));
        vue_.messageHaut(QStringLiteral("Mise à jour automatique de la Base de Donnée."));
        break;
    case 9:
        appeler(crochets_.rechercheWeb);
        break;
    case 10:
        appeler(crochets_.ouvrirAide);
        break;
    case 14:
        etapeB();
        break;
    case 16:
        appeler(crochets_.supprimerTemporaireOutils);
        break;
    case 20:
        appeler(crochets_.scanCatalogue);
        break;
    case 23:
        appeler(crochets_.finEditionVisionneuse);
        break;
    case 24:
        vue_.messageHaut(QStringLiteral("Enregistrement de la photo."));
        vue_.curseurAttente(false);
        appeler(crochets_.afficherDeNouveau);
        break;
    case 25:
        if (QFileInfo::exists(chemin(NomsFichiers::temporaireIptc)))
            QFile::remove(chemin(NomsFichiers::temporaireIptc));
        appeler(crochets_.marche3);
        break;
    case 26:
        appeler(crochets_.marche3);
        break;
    }
}
