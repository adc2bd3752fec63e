#include "TraitementFichier.h"

#include "AnatomieNom.h"
#include "ClefTri.h"
#include "Datation.h"
#include "EcritureEnregistrement.h"
#include "ListeDossier.h"
#include "MotsNom.h"

namespace {

bool estTypeListeMusique(const QString& type) {
    return type == QLatin1String("Mp3") || type == QLatin1String("MP3") || type == QLatin1String("mp3") ||
           type == QLatin1String("mp2") || type == QLatin1String("rmi") || type == QLatin1String("wma");
}

} // namespace

ContexteDossier preparerDossier(const OptionsTraitement& options, const DossierParcouru& dossier) {
    ContexteDossier c;
    c.datation = daterDossier(dossier.chemin, dossier.longueurRacine, options.anneeMaxi);
    c.rep = EcritureEnregistrement::repStocke(dossier.chemin).toUtf8();
    c.rab = EcritureEnregistrement::rabStocke(dossier.rab).toUtf8();
    return c;
}

QByteArray ContexteDossier::typeStocke(const QString& type) {
    for (const auto& [texte, octets] : types_) {
        if (texte == type)
            return octets;
    }
    QByteArray octets = type.toUtf8();
    if (types_.size() < 16)
        types_.emplace_back(type, octets);
    return octets;
}

std::optional<FichierTraite> traiterFichier(const OptionsTraitement& options, const DossierParcouru& dossier,
                                            ContexteDossier& contexte, const QString& nomFichier) {
    const AnatomieNom anatomie = decouperNom(nomFichier);
    if (!anatomie.media)
        return std::nullopt;
    const QString type = typeCatalogue(anatomie.extension);
    const GenreFichier genreType = genreDuType(type);
    FichierTraite f;
    f.dossier = &dossier;
    f.nomFichier = nomFichier;
    if (genreType == GenreFichier::Playlist) {
        f.playlist = true;
        return f;
    }
    qint64 taille = 0;
    if (genreType == GenreFichier::Commentaire && options.genres.texte) {
        taille = tailleFichier(f.chemin());
        if (taille < 0)
            return std::nullopt; // gone since the folder was listed
    }
    if (genreDuFichier(type, taille, nomFichier, options.genres) == GenreFichier::Aucun)
        return std::nullopt;

    const int n = int(anatomie.baseMarquee.size());
    const Datation date =
        dater(anatomie.baseMarquee, n, contexte.datation, options.format, options.anneeMaxi);

    ClefTri::Entree entree;
    entree.code = date.code;
    entree.annee = date.annee;
    entree.mois = date.mois;
    entree.relatif = dossier.relatif;
    entree.baseBourree = date.baseBourree;
    entree.n = n;
    entree.type = type;
    entree.triAlpha = options.triAlpha;
    entree.jourEnSeptieme = options.format.positionJour == 7;

    f.cleAnnee = ClefTri::cleAnnee(date.annee);
    f.cleMois = ClefTri::cleMois(date.mois);
    f.mots = extraireMots(date.texteMotsDossier, date.baseBourree, &contexte.mots);

    ActPhoto act;
    act.Clef = ClefTri::construire(entree);
    act.Nom = date.baseBourree;
    act.Annee = date.annee;
    act.Mois = date.mois;
    act.Type = type;
    act.Valide = date.code;
    act.Mots = texteMots(f.mots);
    act = EcritureEnregistrement::preparer(std::move(act));
    // A folder holds few types: each is converted once and its bytes shared by the rows.
    const QByteArray typeStocke = contexte.typeStocke(act.Type);
    act.Type.clear();
    f.ligne = LigneCatalogue::depuis(act);
    f.ligne.Type = typeStocke;
    // The folder's fields are the same for all its files.
    f.ligne.Rep = contexte.rep;
    f.ligne.Rab = contexte.rab;
    f.listeMusique = estTypeListeMusique(type);
    return f;
}

QString FichierTraite::chemin() const {
    const QString& d = dossier->chemin;
    return d.endsWith(QLatin1Char('/')) ? d + nomFichier : d + QLatin1Char('/') + nomFichier;
}
