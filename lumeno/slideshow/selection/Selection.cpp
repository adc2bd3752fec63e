#include "Selection.h"

#include "Hasard.h"
#include "ReceptionMiniAlbum.h"
#include "ReglesSelection.h"

#include <algorithm>

namespace {

bool estJpeg(const QString& type) {
    return type == QLatin1String("JPG") || type == QLatin1String("Jpg") || type == QLatin1String("jpg");
}

} // namespace

Selection::Selection(SqliteDatabase& base, ActPhoto& courant, CriteresSelection& criteres,
                     EtatSelection& etat)
    : courant_(courant), criteres_(criteres), etat_(etat), base_(base), lecteur_(base) {}

bool Selection::ouvrir() {
    erreur_ = 0;
    position_ = 0;
    try {
        instantane_.actualiser(base_);
    } catch (const SqliteError& e) {
        erreur_ = e.code() != 0 ? e.code() : 1;
        etat_.BddEOF = true;
        return false;
    }
    position_ = 0;
    sautDepartAFaire_ = true;
    etat_.BddEOF = false;
    return true;
}

Selection::Resultat Selection::echec(int erreur) {
    erreur_ = erreur;
    return Resultat::Erreur;
}

Selection::Resultat Selection::fin() {
    etat_.BddEOF = true;
    if (etat_.ModeMiniAlbum && album_) {
        int evite = etat_.EvitePhotos;
        album_->AffichageMignonnette(kFinMiniAlbum, courant_.Rep, courant_.Type, true, kTailleMaxMiniAlbum,
                                     evite, criteres_.Racines.value(0));
        etat_.EvitePhotos = evite;
    }
    return Resultat::Fin;
}

void Selection::livrer(const ActPhoto& fiche) {
    if (fiche.Tri > 0) {
        lecteur_.ouvrirPosition(fiche.Tri);
        ActPhoto complet;
        if (lecteur_.BddLit(complet).ok() && complet.Numero == fiche.Numero) {
            courant_ = std::move(complet);
        } else {
            courant_ = fiche;
        }
    } else {
        courant_ = fiche;
    }
    if (criteres_.VeilleActive)
        ReglesSelection::normaliserGenreVeille(courant_);
}

Selection::Resultat Selection::RechercheSelection() {
    erreur_ = 0;
    const std::vector<ActPhoto>& fiches = instantane_.fiches();
    const ReglesSelection regles(criteres_);
    if (sautDepartAFaire_) {
        // The rows before the start position all fail its test: no need to look at them. The start
        // position is the one in force at the first call, as the per-row test would see it.
        sautDepartAFaire_ = false;
        position_ = std::max(position_, instantane_.premierDepuis(criteres_.TriDepart));
    }
    for (;;) {
        if (etat_.BddEOF || position_ >= fiches.size())
            return fin();
        const ActPhoto& fiche = fiches[position_];
        if (!regles.passe(fiche)) {
            etat_.DernierRetenu = false;
            ++position_;
            continue;
        }

        livrer(fiche);
        if (reaction_)
            reaction_();
        etat_.NouvelleSelection = true;
        if (criteres_.VeilleActive)
            etat_.VeilleTrouve = true;
        etat_.DernierRetenu = true;
        // Move past the record before handing it on: the album may ask for the next one at once.
        ++position_;
        if (position_ >= fiches.size())
            etat_.BddEOF = true;

        if (etat_.ModeMiniAlbum) {
            if (etat_.BddEOF || etat_.SautMiniAlbum < 2) {
                if (album_) {
                    int evite = etat_.EvitePhotos;
                    album_->AffichageMignonnette(courant_.Nom, courant_.Rep, courant_.Type, etat_.BddEOF,
                                                 kTailleMaxMiniAlbum, evite, criteres_.Racines.value(0));
                }
                etat_.EvitePhotos = 0;
                return Resultat::Trouve;
            }
            --etat_.SautMiniAlbum;
            continue;
        }
        if (etat_.BddEOF)
            return Resultat::Trouve;
        ++etat_.EvitePhotos;
        ++etat_.SautMiniAlbum;
        if (etat_.SautDiaporama < 2) {
            etat_.historique.enregistrer(courant_.Rep, courant_.Nom, courant_.Type);
            return Resultat::Trouve;
        }
        --etat_.SautDiaporama;
    }
}

Selection::Resultat Selection::TirageAleatoire(int nombreEnregistrements) {
    erreur_ = 0;
    etat_.SautDiaporama = 0;
    etat_.SautMiniAlbum = 0;
    etat_.EvitePhotos = 0;
    // The random slideshow replaces the walk: a later selection call finds nothing until reopened.
    position_ = instantane_.fiches().size();
    sautDepartAFaire_ = false;
    const int n = nombreEnregistrements;
    // The last two positions are never drawn; a catalogue of 3 records or fewer always gives 1.
    const int borne = std::max(1, n - 2);
    try {
        for (int essai = 0; essai < kTiragesMaxi; ++essai) {
            int tri = static_cast<int>(Hasard::rnd() * (n - 2)) + 1;
            if (tri <= 0)
                tri = 1;
            lecteur_.ouvrirPosition(tri);
            etat_.BddEOF = false;
            // No row at that position reads "no current row"; any other failure ends the draw.
            const LectureBdd lecture = lecteur_.BddLit(courant_);
            if (lecture.erreur == LectureBdd::PasDeLigneCourante)
                continue;
            if (!lecture.ok())
                return echec(lecture.erreur);
            if (estJpeg(courant_.Type))
                return Resultat::Trouve;
        }

        // Few or no photos among the positions: look at each in turn from a random one.
        instantane_.actualiser(base_);
        const std::vector<ActPhoto>& fiches = instantane_.fiches();
        const int depart = std::min(borne, static_cast<int>(Hasard::rnd() * borne) + 1);
        int trouve = 0;
        for (const ActPhoto& f : fiches) {
            if (f.Tri >= depart && f.Tri <= borne && estJpeg(f.Type)) {
                trouve = f.Tri;
                break;
            }
        }
        for (const ActPhoto& f : fiches) {
            if (trouve != 0 || f.Tri >= depart)
                break;
            if (f.Tri >= 1 && estJpeg(f.Type))
                trouve = f.Tri;
        }
        if (trouve == 0) {
            etat_.BddEOF = true;
            return Resultat::Fin;
        }
        lecteur_.ouvrirPosition(trouve);
        etat_.BddEOF = false;
        const LectureBdd lecture = lecteur_.BddLit(courant_);
        return lecture.ok() ? Resultat::Trouve : echec(lecture.erreur);
    } catch (const SqliteError& e) {
        return echec(e.code());
    }
}

namespace MessagesSelection {

QString message() {
    return QStringLiteral("Erreur dans le module Selection de Lumeno. Le Format photo est non lisible. ");
}
QString veille() {
    return QStringLiteral("Demande de sélection non réalisable dans la configuration de l'écran de veille. ");
}
QString titreVeille() {
    return QStringLiteral("Revoir la Configuration de la Veille");
}
QString baseAbsente() {
    return QStringLiteral(
        "La base de données est absente. La solution : Quitter puis Relancer et appuyer sur la "
        "touche Config.");
}
QString titreBaseAbsente() {
    return QStringLiteral("Base de données absente");
}

} // namespace MessagesSelection
