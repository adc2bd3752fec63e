#include "CatalogueSqliteDemarrage.h"

#include "Catalogue.h"
#include "Nombres.h"
#include "PresenceFichiers.h"

#include <QFileInfo>

#include <sqlite3.h>

CatalogueSqliteDemarrage::CatalogueSqliteDemarrage() = default;
CatalogueSqliteDemarrage::~CatalogueSqliteDemarrage() = default;

void CatalogueSqliteDemarrage::fermer() {
    catalogue_.reset();
}

CatalogueDemarrage::Ouverture CatalogueSqliteDemarrage::ouvrir(const QString& chemin) {
    catalogue_.reset();
    // A write-protected file would open read-only and fail at the first scan; it is reported now.
    if (!fichierModifiable(chemin))
        return Ouverture::LectureSeule;
    try {
        auto c = std::make_unique<Catalogue>(chemin);
        if (c->lectureSeule())
            return Ouverture::LectureSeule;
        c->base().execute("SELECT count(*) FROM Table1;");
        catalogue_ = std::move(c);
        return Ouverture::Ok;
    } catch (const SqliteError& e) {
        const int code = e.code() & 0xff;
        if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
            return Ouverture::EnUsage;
        if (code == SQLITE_READONLY)
            return Ouverture::LectureSeule;
        return Ouverture::Erreur;
    }
}

QList<CatalogueDemarrage::NomTri> CatalogueSqliteDemarrage::nomsEnOrdreClef() {
    QList<NomTri> noms;
    if (!catalogue_)
        return noms;
    try {
        SqliteStatement requete(catalogue_->base(), "SELECT Nom, Tri FROM Table1 ORDER BY Clef ; ");
        while (requete.step())
            noms.append({requete.text(0).trimmed(), static_cast<int>(requete.integer(1))});
    } catch (const SqliteError&) {
        // The list stays as far as it was read; the next steps go on.
    }
    return noms;
}

QStringList CatalogueSqliteDemarrage::mots() {
    try {
        return catalogue_ ? catalogue_->motsTrouves() : QStringList();
    } catch (const SqliteError&) {
        return {};
    }
}

namespace {

QList<int> nombres(const QStringList& textes) {
    QList<int> n;
    for (const QString& t : textes)
        n << Nombres::valeurEntier(t);
    return n;
}

} // namespace

QList<int> CatalogueSqliteDemarrage::annees() {
    try {
        return catalogue_ ? nombres(catalogue_->anneesTrouvees()) : QList<int>();
    } catch (const SqliteError&) {
        return {};
    }
}

QList<int> CatalogueSqliteDemarrage::mois() {
    try {
        return catalogue_ ? nombres(catalogue_->moisTrouves()) : QList<int>();
    } catch (const SqliteError&) {
        return {};
    }
}

std::optional<QString> CatalogueSqliteDemarrage::premierNom() {
    if (!catalogue_)
        return std::nullopt;
    try {
        SqliteStatement requete(catalogue_->base(), "SELECT Nom FROM Table1 ORDER BY Clef LIMIT 1 ; ");
        if (requete.step())
            return requete.text(0);
    } catch (const SqliteError&) {
    }
    return std::nullopt;
}
