#include "ReglesSelection.h"

#include "FormesMot.h"
#include "Nombres.h"

#include <algorithm>

namespace {

bool estJpeg(const QString& type) {
    return type == QLatin1String("JPG") || type == QLatin1String("Jpg") || type == QLatin1String("jpg");
}

bool estVideoDivX(const QString& type) {
    static const char* const kTypes[] = {"AVI", "Avi", "avi", "mpe", "wmv", "m99", "asx"};
    return std::any_of(std::begin(kTypes), std::end(kTypes),
                       [&](const char* t) { return type == QLatin1String(t); });
}

} // namespace

ReglesSelection::ReglesSelection(const CriteresSelection& criteres) : c_(criteres) {
    annee_ = Nombres::valeurEntier(c_.AnneeRecherche);
    mois_ = Nombres::valeurEntier(c_.MoisRecherche);
    longueurMot_ = static_cast<int>(c_.MotRecherche.size());
    formesMot_ = formesUtiles(&c_.MotsRecherche[1], 8, longueurMot_);
    contexteActif_ = c_.ContexteChoisi != kAucunContexte && c_.ContexteExiste;
    if (!contexteActif_)
        return;
    for (const LigneContexte& l : c_.LignesContexte_) {
        if (l.marqueur != QLatin1String("*"))
            continue; // an unmarked line accepts nothing
        LignePreparee p;
        p.anneeDebut = Nombres::valeurEntier(l.anneeDebut);
        p.moisDebut = Nombres::valeurEntier(l.moisDebut);
        p.anneeFin = Nombres::valeurEntier(l.anneeFin);
        p.moisFin = Nombres::valeurEntier(l.moisFin);
        p.dossier = l.dossier;
        // Context words count only while the free word has at most two characters.
        const QString mot = l.mot.trimmed();
        p.motActif = longueurMot_ <= 2 && mot.size() >= 2;
        if (p.motActif) {
            const auto huit = FormesMot::huitFormes(mot);
            MotContexte m;
            m.longueur = static_cast<int>(mot.size());
            m.formes = formesUtiles(huit.data(), 8, m.longueur);
            const auto meme = std::find_if(motsContexte_.begin(), motsContexte_.end(),
                                           [&](const MotContexte& x) { return x.formes == m.formes; });
            p.mot = static_cast<int>(meme - motsContexte_.begin());
            if (meme == motsContexte_.end())
                motsContexte_.push_back(std::move(m));
        }
        lignes_.push_back(p);
    }
}

bool ReglesSelection::passeGenreVeille(const ActPhoto& act) {
    return estJpeg(act.Type) || act.Type == QLatin1String("bmp") || act.Type == QLatin1String("BMP") ||
           act.Type == QLatin1String("Bmp");
}

void ReglesSelection::normaliserGenreVeille(ActPhoto& act) {
    if (act.Type == QLatin1String("BMP") || act.Type == QLatin1String("Bmp"))
        act.Type = QStringLiteral("bmp");
}

bool ReglesSelection::passeDepart(const ActPhoto& act) const {
    return !(c_.TriDepart > 0 && act.Tri < c_.TriDepart);
}

bool ReglesSelection::passeDate(const ActPhoto& act) const {
    const int y = annee_;
    const int m = mois_;
    if (y < 1699) {
        if (m >= 1 && m <= 12) {
            if (y == 0 && act.Mois != m)
                return false;
            if (y != 0 && act.Mois < m)
                return false;
        }
        return true;
    }
    if (y >= 1700 && y <= 2079) {
        // A start date: everything from that year and month on.
        if (act.Annee < y)
            return false;
        if (act.Annee == y && act.Mois < m)
            return false;
    }
    return true;
}

bool ReglesSelection::couvre(const QString& entree, const QString& rep) {
    if (entree.isEmpty() || !rep.startsWith(entree))
        return false;
    if (rep.size() == entree.size())
        return true;
    return entree.endsWith(QLatin1Char('/')) || rep[entree.size()] == QLatin1Char('/');
}

bool ReglesSelection::directementDansRacine(const QString& rep) const {
    if (!c_.Racines.isEmpty() && !c_.Racines[0].isEmpty() && rep == c_.Racines[0] + QLatin1Char('/'))
        return true;
    for (const QString& racine : c_.Racines)
        if (!racine.isEmpty() && rep == racine)
            return true;
    return false;
}

bool ReglesSelection::passeRepertoires(const ActPhoto& act) const {
    if (c_.RepertChoix.isEmpty() || c_.RepertChoix[0].isEmpty())
        return true;
    if (directementDansRacine(act.Rep))
        return c_.TousRepertRetenus;
    // An unticked entry does not stop the scan: a ticked entry further down may cover the folder.
    for (qsizetype i = 0; i < c_.RepertChoix.size(); ++i) {
        const bool retenu = i < static_cast<qsizetype>(c_.RepertRetenu.size()) && c_.RepertRetenu[i];
        if (retenu && couvre(c_.RepertChoix[i], act.Rep))
            return true;
    }
    return false;
}

std::vector<QString> ReglesSelection::formesUtiles(const QString* formes, int nombre, int longueur) {
    std::vector<QString> utiles;
    for (int k = 0; k < nombre; ++k)
        if (formes[k].size() == longueur &&
            std::find(utiles.begin(), utiles.end(), formes[k]) == utiles.end())
            utiles.push_back(formes[k]);
    return utiles;
}

bool ReglesSelection::motTrouve(const std::vector<QString>& formes, int longueur, const ActPhoto& act) {
    if (act.Nom.size() >= longueur) {
        for (const QString& f : formes)
            if (act.Nom.contains(f))
                return true;
    }
    // The folder path from the end of its root part, so that the root's own name mostly does not
    // count.
    const int depart = std::max(3, Nombres::valeurEntier(act.Rab)) - 1;
    if (act.Rep.size() - depart >= longueur) {
        for (const QString& f : formes)
            if (act.Rep.indexOf(f, depart) >= 0)
                return true;
    }
    return false;
}

bool ReglesSelection::motDansMots(const QString& mots, const QString& m) {
    // The words are each closed by "-"; a "/" ends the list.
    const QString texte = mots + QStringLiteral("-/");
    qsizetype debut = 0;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte[i];
        if (c == QLatin1Char('/'))
            break;
        if (c == QLatin1Char('-')) {
            if (QStringView(texte).sliced(debut, i - debut) == m)
                return true;
            debut = i + 1;
        }
    }
    return false;
}

bool ReglesSelection::passeMots(const ActPhoto& act) const {
    if (longueurMot_ >= 2 && motTrouve(formesMot_, longueurMot_, act))
        return true;
    if (!c_.MotListe.isEmpty())
        return motDansMots(act.Mots, c_.MotListe);
    return longueurMot_ < 2;
}

bool ReglesSelection::passeVideo(const ActPhoto& act) const {
    if (c_.VideoAutorisee || !estVideoDivX(act.Type))
        return true;
    return !(act.Nom.size() > 6 && act.Nom.contains(QLatin1String("DivX")));
}

bool ReglesSelection::acceptee(const LignePreparee& l, const ActPhoto& act,
                               std::array<signed char, kLignesParContexte>& motsTrouves) const {
    // The month bounds hold for the bound's own year whatever it is: with no year-from, an undated
    // record (year 0) before the month-from is rejected too.
    if (l.anneeDebut > 0 && l.anneeDebut < 2050 && act.Annee < l.anneeDebut)
        return false;
    if (act.Annee == l.anneeDebut && l.moisDebut > 0 && l.moisDebut < 13 && act.Mois < l.moisDebut)
        return false;
    if (l.anneeFin > 0 && l.anneeFin < 2050 && act.Annee > l.anneeFin)
        return false;
    if (act.Annee == l.anneeFin && l.moisFin > 0 && l.moisFin < 13 && act.Mois > l.moisFin)
        return false;
    if (l.dossier != QLatin1String("") && l.dossier != QLatin1String(" ") &&
        l.dossier != QLatin1String("  ")) {
        if (act.Rep.indexOf(l.dossier, 1) < 0)
            return false;
        // The folder ticks apply too: the first entry covering the folder decides.
        for (qsizetype i = 0; i < c_.RepertChoix.size(); ++i) {
            if (couvre(c_.RepertChoix[i], act.Rep)) {
                const bool retenu = i < static_cast<qsizetype>(c_.RepertRetenu.size()) && c_.RepertRetenu[i];
                if (!retenu)
                    return false;
                break;
            }
        }
    }
    if (l.motActif) {
        signed char& trouve = motsTrouves[l.mot];
        if (trouve < 0) {
            const MotContexte& m = motsContexte_[l.mot];
            trouve = motTrouve(m.formes, m.longueur, act) ? 1 : 0;
        }
        if (!trouve)
            return false;
    }
    return true;
}

bool ReglesSelection::passeContexte(const ActPhoto& act) const {
    if (!contexteActif_)
        return true;
    std::array<signed char, kLignesParContexte> motsTrouves;
    motsTrouves.fill(-1);
    return std::any_of(lignes_.begin(), lignes_.end(),
                       [&](const LignePreparee& l) { return acceptee(l, act, motsTrouves); });
}

bool ReglesSelection::passe(const ActPhoto& act) const {
    if (c_.VeilleActive && !passeGenreVeille(act))
        return false;
    return passeDepart(act) && passeDate(act) && passeRepertoires(act) && passeMots(act) && passeVideo(act) &&
           passeContexte(act);
}
