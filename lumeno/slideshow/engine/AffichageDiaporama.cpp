#include "MoteurDiaporama.h"

#include "AffichagePhoto.h"
#include "Boite.h"
#include "CheminMedia.h"
#include "DiapositiveTexte.h"
#include "TypesMedia.h"

#include <QLabel>
#include <QWidget>

namespace {

void appeler(const std::function<void()>& f) {
    if (f)
        f();
}

bool vrai(const std::function<bool()>& f) {
    return f && f();
}

// The path as the messages show it.
QString cheminAffiche(const ElementVisu& e) {
    return CheminMedia::cheminTexte(e.VisuPhotoRep, e.VisuPhotoNom, e.VisuPhotoType);
}

QString cheminReel(const ElementVisu& e) {
    return CheminMedia::fichierReel(e.VisuPhotoRep, e.VisuPhotoNom, e.VisuPhotoType);
}

void ecrire(QLabel* label, const QString& texte, bool redessiner = false) {
    if (!label)
        return;
    label->setText(texte);
    if (redessiner)
        label->repaint();
}

} // namespace

void MoteurDiaporama::AffichageDiaporama() {
    // A replayed, redisplayed or back-stepped item was already exported and written to the album;
    // the newest slot of a replay is the item fetched ahead, shown for the first time.
    const bool rejoue = etat.ReaffichageVisu || etat.HistoSansSuite ||
                        (etat.HistoParcours && curseur_.HistoLecture() != curseur_.HistoEcriture());
    if (etat.ReaffichageVisu) {
        etat.ReaffichageVisu = false;
        // The current record is still the next item, never shown: the selection stays on it.
        etat.HistoSansSuite = true;
    } else
        visu = curseur_.enregistrementCourant();

    if (!curseur_.ModeExplorateur() && curseur_.BddEOF()) {
        // Only a last catalogue record that passed and is a photo is still shown.
        if (!(curseur_.DernierRetenu() && TypesMedia::estJpeg(visu.VisuPhotoType))) {
            RechercheFin();
            return;
        }
    }

    visu.VisuPhotoNom = CheminMedia::nomReel(visu.VisuPhotoNom);

    if (!rejoue && vrai(crochets.exportActif) && !minimisee() && crochets.copierExport) {
        const CopieExport copie = crochets.copierExport(visu);
        if (!copie.reussie) {
            Boite::information(QStringLiteral("Information."),
                               QStringLiteral("Fin Anormale d'Exportation de documents. Il y a un problème "
                                              "pour copier ") +
                                   copie.source + QStringLiteral("  vers ") + copie.cible);
            appeler(crochets.ExportPhotosFin);
            Pause_Click();
            return;
        }
    }
    const bool generateur = !rejoue && vrai(crochets.generateurActif);
    if (generateur && crochets.preparerCheminsHtml)
        crochets.preparerCheminsHtml(visu);

    if (etat.TexteAffiche) {
        etat.TexteAffiche = false;
        texte_->masquer(etat.TexteLong);
    }

    switch (TypesMedia::genre(visu.VisuPhotoType)) {
    case TypesMedia::Genre::VideoAvi:
        if (generateur && crochets.GenerateurHtmlMedia)
            crochets.GenerateurHtmlMedia(visu);
        jouer(reglages.ConfigCheck7 ? lecteurs.JoueVideoLecteur : lecteurs.JoueVideoMci);
        return;
    case TypesMedia::Genre::VideoMpeg:
        if (generateur && crochets.GenerateurHtmlMedia)
            crochets.GenerateurHtmlMedia(visu);
        jouer(reglages.ConfigCheck7 ? lecteurs.JoueVideoLecteur : lecteurs.VideoSansLecteur);
        return;
    case TypesMedia::Genre::Son:
        if (generateur && crochets.GenerateurHtmlMedia)
            crochets.GenerateurHtmlMedia(visu);
        jouer(lecteurs.JoueSonWav);
        return;
    case TypesMedia::Genre::Musique:
        if (generateur && crochets.GenerateurHtmlMedia)
            crochets.GenerateurHtmlMedia(visu);
        jouer(lecteurs.JoueMusiqueElement);
        return;
    case TypesMedia::Genre::QuickTime:
        jouer(lecteurs.JoueQuickTime);
        return;
    case TypesMedia::Genre::Texte: {
        affichage_.effacer();
        etat.TexteAffiche = true;
        ecrire(vue_.Message, visu.VisuPhotoNom);
        ecrire(vue_.MessageBas, visu.VisuPhotoNom);
        const double dpi = vue_.fenetre ? vue_.fenetre->logicalDpiX() : 96.0;
        bool texteLong = false;
        const bool lu =
            texte_->afficher(cheminReel(visu), reglages.CouleurTexteHtml, largeurTwips(), dpi, texteLong);
        etat.TexteLong = texteLong;
        if (!lu) {
            erreurChargement();
            return;
        }
        if (generateur && crochets.GenerateurHtmlTexte)
            crochets.GenerateurHtmlTexte(visu);
        avancer();
        return;
    }
    case TypesMedia::Genre::Photo:
        afficherPhoto(rejoue);
        return;
    }
}

void MoteurDiaporama::jouer(const LecteursMedia::Lecteur& lecteur) {
    if (lecteur) {
        lecteur(visu, cheminReel(visu));
        return;
    }
    // No player for this kind: name it and go on with the next item.
    ecrire(vue_.MessageBas, visu.VisuPhotoNom + QLatin1Char('.') + visu.VisuPhotoType);
    avancerSelection();
}

void MoteurDiaporama::afficherPhoto(bool rejoue) {
    if (minimisee())
        return;
    switch (affichage_.afficher(cheminReel(visu))) {
    case ChargeurPhoto::Etat::Affichable:
        break;
    case ChargeurPhoto::Etat::Illisible:
        erreurIllisible();
        return;
    case ChargeurPhoto::Etat::Absent:
        erreurChargement();
        return;
    }

    if (pleinEcran()) {
        if (vue_.Message)
            vue_.Message->hide();
        ecrire(vue_.MessageBas, visu.VisuPhotoNom);
    } else if (largeurTwips() > 7000) {
        ecrire(vue_.Message, visu.VisuPhotoNom, visu.VisuPhotoValide == 1);
        ecrire(vue_.MessageBas, visu.VisuPhotoNom);
        if (!vue_.etiquettesActives || vue_.etiquettesActives()) {
            if (vue_.Message)
                vue_.Message->show();
            if (vue_.MessageBas)
                vue_.MessageBas->show();
        }
    } else if (vue_.Message) {
        vue_.Message->hide();
    }
    if (vrai(crochets.exportActif) && crochets.nomCibleExport)
        ecrire(vue_.MessageBas, crochets.nomCibleExport());

    if (crochets.compagnon)
        crochets.compagnon(ReactionCompagnon::Photo);
    if (reglages.VocaleCheck19 && reglages.voixDisponible && crochets.Parole)
        crochets.Parole(visu.VisuPhotoNom, visu.VisuPhotoType, visu.VisuPhotoValide, visu.VisuPhotoAnnee,
                        visu.VisuPhotoMois);

    etat.DelaiAmbiance -= 1;
    if (etat.DelaiAmbiance < 1) {
        etat.DelaiAmbiance = 5;
        if (reglages.MusiquePossible && reglages.MusiquePermanente)
            appeler(crochets.AmbianceMP3Recherche);
    }
    if (!rejoue && vrai(crochets.generateurActif) && crochets.GenerateurHtmlPhoto)
        crochets.GenerateurHtmlPhoto(visu);
    avancer();
}

// While the history is replayed (or an item was redisplayed) the selection stays where it stands;
// the replay ends once it has caught up with the newest slot.
bool MoteurDiaporama::resteSurHistorique() {
    if (etat.HistoSansSuite) {
        etat.HistoSansSuite = false;
        return true;
    }
    if (etat.HistoParcours) {
        if (curseur_.HistoLecture() != curseur_.HistoEcriture())
            return true;
        etat.HistoParcours = false;
    }
    return false;
}

void MoteurDiaporama::avancer() {
    if (resteSurHistorique())
        return;
    if (curseur_.VeilleAleatoire()) {
        RechercheFin();
        return;
    }
    if (!curseur_.ModeCatalogue())
        return;
    if (reglages.visionneusePresente && curseur_.NouvelAccepte() && reglages.ConfigCheck11 &&
        crochets.creerMiniature) {
        const ElementVisu courant = curseur_.enregistrementCourant();
        if (TypesMedia::estJpeg(courant.VisuPhotoType))
            crochets.creerMiniature(courant);
    }
    curseur_.effacerNouvelAccepte();
    avancerSelection();
}

void MoteurDiaporama::avancerSelection() {
    if (curseur_.BddEOF())
        RechercheFin();
    else if (curseur_.ModeAleatoire())
        curseur_.TirageAleatoire();
    else
        curseur_.RechercheSelection();
    prechargerSuivant();
}

void MoteurDiaporama::prechargerSuivant() {
    if (curseur_.BddEOF() && !curseur_.DernierRetenu())
        return;
    const ElementVisu suivant = curseur_.enregistrementCourant();
    if (suivant.VisuPhotoRep.isEmpty() ||
        TypesMedia::genre(suivant.VisuPhotoType) != TypesMedia::Genre::Photo)
        return;
    affichage_.precharger(cheminReel(suivant));
}

void MoteurDiaporama::erreurIllisible() {
    if (etat.DirectDemarrageMp3 || etat.DirectDemarrageAvi) {
        ecrire(vue_.Message, QString());
        ecrire(vue_.MessageBas, QString());
        return;
    }
    ecrire(vue_.Message, QStringLiteral("Photo non lisible : ") + cheminAffiche(visu));
    affichage_.effacer();
    suiteErreur();
}

void MoteurDiaporama::erreurChargement() {
    if (etat.DirectDemarrageMp3 || etat.DirectDemarrageAvi) {
        ecrire(vue_.Message, QString());
        ecrire(vue_.MessageBas, QString());
        return;
    }
    affichage_.effacer();
    ecrire(vue_.Message, QStringLiteral("Erreur chargement : ") + cheminAffiche(visu), true);
    ecrire(vue_.MessageBas, QStringLiteral("Erreur sur : ") + cheminAffiche(visu), true);
    if (curseur_.VeilleAleatoire())
        RechercheFin();
    else
        suiteErreur();
}

// After a failed item the next one is fetched; at the end of the catalogue the end runs instead,
// or the same failing record would be shown again at every tick.
void MoteurDiaporama::suiteErreur() {
    // A failed item of the history leaves the selection where it stands, as a shown one does.
    if (resteSurHistorique())
        return;
    avancerSelection();
}
