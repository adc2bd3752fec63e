#include "PhotoMetadonnees.h"

#include <DictionnaireExif.h>
#include <EtiquettesNote.h>
#include <IptcJpeg.h>
#include <LecteurNote.h>
#include <ModificationExif.h>
#include <PhotoExif.h>
#include <ReconstructionNote.h>
#include <TexteExif.h>

namespace {

constexpr quint8 kMarqueur = BlocIptc::kMarqueur;
constexpr quint8 kApplication = BlocIptc::kApplication;

enum TagUtile : quint32 {
    TagDescription = 270,
    TagDateHeure = 306,
    TagArtiste = 315,
    TagCopyright = 33432,
    TagDateOrigine = 36867,
};

QString texteBoite(const EntreeIfd& e) {
    const QString texte =
        e.type == ExifAscii ? texteAscii(e.donnees) : texteGenerique(e.donnees, e.count, e.type);
    return ChargementPhoto::avantZero(texte);
}

QString ligneDictionnaire(const EntreeIfd& e) {
    const NomEtTexte nt = nomEtTexteExif(e);
    return ChargementPhoto::avantZero(nt.nom + QStringLiteral(" : ") + nt.texte);
}

QString* boiteXp(ChampsPhoto& c, quint32 tag) {
    switch (tag) {
    case TagXpTitre:
        return &c.xpTitre;
    case TagXpCommentaire:
        return &c.xpCommentaire;
    case TagXpAuteur:
        return &c.xpAuteur;
    case TagXpMotsCles:
        return &c.xpMotsCles;
    case TagXpSujet:
        return &c.xpSujet;
    default:
        return nullptr;
    }
}

void remplirExif(PhotoMetadonnees& p) {
    ChampsPhoto& c = p.champs;
    for (const EntreeIfd& e : p.exif.ifd0.entrees) {
        if (QString* boite = boiteXp(c, e.tag))
            *boite = ChargementPhoto::avantZero(texteXp(e.donnees));
        else
            p.lignesIfd.append(ChargementPhoto::avantZero(nomTagExif(e.tag) + QStringLiteral(" : ") +
                                                          texteGenerique(e.donnees, e.count, e.type)));
    }
    for (const EntreeIfd& e : p.exif.exif.entrees) {
        if (e.tag == TagDateOrigine)
            c.dateOrigine = texteBoite(e);
        else
            p.lignesIfd.append(ligneDictionnaire(e));
    }
    for (const EntreeIfd& e : p.exif.interop.entrees)
        p.lignesIfd.append(ligneDictionnaire(e));
    for (const EntreeIfd& e : p.exif.ifd1.entrees)
        p.lignesIfd1.append(ligneDictionnaire(e));
    for (const EntreeIfd& e : p.exif.noteFabricant.entrees) {
        const NomEtTexte nt = etiquetteEtTexteNote(p.exif.fabricant, p.exif.typeNote, e);
        p.lignesNote.append(ChargementPhoto::avantZero(nt.nom + QStringLiteral(" : ") + nt.texte));
    }
    if (p.lignesNote.isEmpty())
        if (const EntreeIfd* note = p.exif.exif.trouver(TagMakerNote))
            p.lignesNote.append(QStringLiteral("Note du fabricant conservée telle quelle (%1 octets)")
                                    .arg(note->donnees.size()));

    auto boite = [&](quint32 tag) {
        const EntreeIfd* e = p.exif.ifd0.trouver(tag);
        return e ? texteBoite(*e) : QString();
    };
    c.description = boite(TagDescription);
    c.copyright = boite(TagCopyright);
    c.dateHeure = boite(TagDateHeure);
    c.artiste = boite(TagArtiste);
}

void ajouterListe(QString& boite, const QString& valeur, const QString& fin) {
    boite += valeur + fin;
}

void remplirIptc(PhotoMetadonnees& p) {
    ChampsPhoto& c = p.champs;
    for (const DonneeIptc& d : p.iptc.donnees()) {
        const DescriptionIptc desc = p.iptc.decrire(d);
        p.lignesIptc.append({desc.francais, ChargementPhoto::avantZero(desc.valeur)});
        if (d.marqueur != kMarqueur || d.enregistrement != kApplication)
            continue;
        const QString v = ChargementPhoto::avantZero(p.iptc.texte(d));
        switch (d.numero) {
        case 5:
            c.iptcNomObjet = v;
            break;
        case 10: {
            const int urgence = v.trimmed().toInt();
            c.iptcUrgence = urgence >= 1 && urgence <= 8 ? urgence - 1 : -1;
            break;
        }
        case 15:
            c.iptcCategories = v;
            break;
        case 25:
            ajouterListe(c.iptcMotsCles, v, QStringLiteral("\r\n"));
            break;
        case 55:
            c.iptcAnnee = v.left(4);
            c.iptcMois = v.mid(4, 2);
            c.iptcJour = v.mid(6, 2);
            break;
        case 80:
            ajouterListe(c.iptcAuteur, v, QStringLiteral(";"));
            break;
        case 85:
            ajouterListe(c.iptcTitreAuteur, v, QStringLiteral(";"));
            break;
        case 90:
            c.iptcVille = v;
            break;
        case 95:
            c.iptcProvince = v;
            break;
        case 101:
            c.iptcPays = v;
            break;
        case 110:
            c.iptcCredits = v;
            break;
        case 115:
            c.iptcSource = v;
            break;
        case 116:
            c.iptcCopyright = v;
            break;
        case 120:
            c.iptcSousTitre = v;
            break;
        case 122:
            ajouterListe(c.iptcSousTitreEcrit, v, QStringLiteral(";"));
            break;
        default:
            break;
        }
    }
}

QStringList parties(const QString& texte, const QString& separateur) {
    QStringList resultat;
    for (const QString& partie : texte.split(separateur))
        if (!partie.isEmpty())
            resultat.append(partie);
    return resultat;
}

void unique(BlocIptc& iptc, quint8 numero, const QString& texte) {
    if (texte.isEmpty())
        iptc.supprimer(kMarqueur, kApplication, numero, 1);
    else
        iptc.definirTexte(kMarqueur, kApplication, numero, texte);
}

// The date dataset is 8 digits; the boxes are padded with zeros on the left.
QString dateIptc(const ChampsPhoto& c) {
    auto pad = [](const QString& t, int n) { return t.trimmed().rightJustified(n, QLatin1Char('0')); };
    const QString date = pad(c.iptcAnnee, 4) + pad(c.iptcMois, 2) + pad(c.iptcJour, 2);
    for (QChar ch : date)
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return {};
    return date.size() == 8 ? date : QString();
}

void ecrireExif(BlocExif& bloc, const ChampsPhoto& c) {
    const std::pair<quint32, const QString*> xp[] = {
        {TagXpTitre, &c.xpTitre}, {TagXpAuteur, &c.xpAuteur},     {TagXpCommentaire, &c.xpCommentaire},
        {TagXpSujet, &c.xpSujet}, {TagXpMotsCles, &c.xpMotsCles},
    };
    for (const auto& [tag, texte] : xp)
        if (!texte->isEmpty())
            definirTexteXp(bloc, tag, *texte);
    if (!c.description.isEmpty())
        definirTexteExif(bloc, SelecteurIfd0, TagDescription, c.description);
    if (!c.dateHeure.isEmpty())
        definirTexteExif(bloc, SelecteurIfd0, TagDateHeure, c.dateHeure);
    if (!c.dateOrigine.isEmpty())
        definirTexteExif(bloc, SelecteurExif, TagDateOrigine, c.dateOrigine);
}

} // namespace

namespace ChargementPhoto {

QString avantZero(const QString& texte) {
    const qsizetype zero = texte.indexOf(QChar(0));
    return zero < 0 ? texte : texte.left(zero);
}

void remplirDepuisBlocs(PhotoMetadonnees& p) {
    p.champs = {};
    p.lignesIfd.clear();
    p.lignesIfd1.clear();
    p.lignesNote.clear();
    p.lignesIptc.clear();
    if (p.aExif)
        remplirExif(p);
    remplirIptc(p);
}

PhotoMetadonnees charger(const QString& chemin) {
    PhotoMetadonnees p;
    p.chemin = chemin;
    if (!p.jpeg.lire(chemin, &p.erreurLecture)) {
        p.jpeg = FichierJpeg();
        return p;
    }
    if (!p.jpeg.aDesDonneesImage()) {
        p.erreurLecture = QStringLiteral("La photo ") + chemin +
                          QStringLiteral(" n'a pas de données d'image : elle ne sera pas modifiée.");
        return p;
    }
    p.lue = true;
    p.aExif = !p.jpeg.segmentExif().isEmpty();
    p.exif = lireExif(p.jpeg);
    lireNoteFabricant(p.exif, p.jpeg.segmentExif());
    p.iptc = IptcJpeg::lire(p.jpeg);
    remplirDepuisBlocs(p);
    return p;
}

void placerChampsIptc(const ChampsPhoto& c, BlocIptc& iptc) {
    unique(iptc, 116, c.iptcCopyright);
    unique(iptc, 120, c.iptcSousTitre);
    iptc.remplacerTextes(122, parties(c.iptcSousTitreEcrit, QStringLiteral(";")));
    iptc.remplacerTextes(25, parties(c.iptcMotsCles, QStringLiteral("\r\n")));
    unique(iptc, 15, c.iptcCategories);
    if (c.iptcUrgence >= 0)
        iptc.definirTexte(kMarqueur, kApplication, 10, QString::number(c.iptcUrgence + 1));
    iptc.remplacerTextes(80, parties(c.iptcAuteur, QStringLiteral(";")));
    iptc.remplacerTextes(85, parties(c.iptcTitreAuteur, QStringLiteral(";")));
    unique(iptc, 110, c.iptcCredits);
    unique(iptc, 115, c.iptcSource);
    unique(iptc, 5, c.iptcNomObjet);
    iptc.supprimer(kMarqueur, kApplication, 55, -1);
    if (!c.iptcAnnee.isEmpty()) {
        const QString date = dateIptc(c);
        if (!date.isEmpty())
            iptc.definirTexte(kMarqueur, kApplication, 55, date);
    }
    unique(iptc, 90, c.iptcVille);
    unique(iptc, 95, c.iptcProvince);
    unique(iptc, 101, c.iptcPays);
}

bool sauver(PhotoMetadonnees& p, const ChampsPhoto& champs, QString* erreur) {
    if (!p.lue) {
        if (erreur)
            *erreur = QStringLiteral("La photo ") + p.chemin +
                      QStringLiteral(" n'a pas pu être lue : elle n'est pas enregistrée.");
        return false;
    }
    // The records are changed on copies: a refused save leaves the loaded photo as it was.
    FichierJpeg jpeg = p.jpeg;
    BlocExif exif = p.exif;
    BlocIptc iptc = p.iptc;
    ChampsPhoto c = champs;
    c.artiste.clear();
    c.copyright.clear();
    ecrireExif(exif, c);
    QString raison;
    if (!placerExif(jpeg, exif, placementNoteFabricant(), &raison)) {
        if (erreur)
            *erreur =
                QStringLiteral("Erreur d'écriture Exif de ") + p.chemin + QStringLiteral(" : ") + raison;
        return false;
    }
    placerChampsIptc(c, iptc);
    IptcJpeg::placer(jpeg, iptc);
    if (!jpeg.ecrire(p.chemin, &raison)) {
        if (erreur)
            *erreur =
                QStringLiteral("Erreur d'écriture de la photo ") + p.chemin + QStringLiteral(" : ") + raison;
        return false;
    }
    p = charger(p.chemin);
    return true;
}

} // namespace ChargementPhoto
