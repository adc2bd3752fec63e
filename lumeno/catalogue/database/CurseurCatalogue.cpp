#include "CurseurCatalogue.h"

namespace {

// Every query lists the columns in the table's order, so BddLit reads them by position.
constexpr char Colonnes[] = "SELECT \"N°\", Clef, Nom, Rep, Annee, Mois, Type, Valide, Rab, Tri, Mots, "
                            "Complement, Futur, Information FROM Table1 ";

QString sansEspacesFinales(QString texte) {
    qsizetype n = texte.size();
    while (n > 0 && texte[n - 1] == QLatin1Char(' '))
        --n;
    texte.truncate(n);
    return texte;
}

} // namespace

namespace MessagesLectureBdd {

QString message(int erreur, const ActPhoto& act) {
    return QStringLiteral("Erreur ") + QString::number(erreur) + QStringLiteral("-ActPhotoRep") +
           QLatin1Char('-') + act.Nom + QLatin1Char('-') + act.Type + QLatin1Char('-');
}

QString messageBas() {
    return QStringLiteral("Erreur de lecture de La Base de Données. Il faut aller dans Config.");
}

} // namespace MessagesLectureBdd

CurseurCatalogue::CurseurCatalogue(SqliteDatabase& base) : base_(base) {}

CurseurCatalogue::~CurseurCatalogue() = default;

void CurseurCatalogue::ouvrir(const char* suite) {
    requete_.reset();
    eof_ = true;
    erreur_ = 0;
    try {
        requete_ = std::make_unique<SqliteStatement>(base_, (QByteArray(Colonnes) + suite).constData());
    } catch (const SqliteError& e) {
        erreur_ = e.code();
    }
}

void CurseurCatalogue::avancer() {
    if (!requete_)
        return;
    try {
        eof_ = !requete_->step();
    } catch (const SqliteError& e) {
        eof_ = true;
        erreur_ = e.code();
    }
}

void CurseurCatalogue::ouvrirOrdreClef() {
    // Tri numbers the rows in key order (equal keys in writing order): its order is the key order.
    ouvrir("ORDER BY Tri");
    avancer();
}

void CurseurCatalogue::ouvrirOrdreClefDepuis(int tri) {
    // Tri is the position in key order, so its order is the key order.
    ouvrir("WHERE Tri >= ?1 ORDER BY Tri");
    if (requete_)
        requete_->bind(1, std::int64_t(tri));
    avancer();
}

void CurseurCatalogue::ouvrirNom(const QString& nom) {
    // Names are stored with filler spaces and listed without them: both sides are compared
    // without their trailing spaces.
    ouvrir("WHERE rtrim(Table1.Nom, ' ') = rtrim(?1, ' ') ORDER BY Clef, \"N°\"");
    if (requete_)
        requete_->bind(1, nom);
    avancer();
}

void CurseurCatalogue::ouvrirPosition(int tri) {
    ouvrir("WHERE Tri = ?1");
    if (requete_)
        requete_->bind(1, std::int64_t(tri));
    avancer();
}

void CurseurCatalogue::suivant() {
    if (!eof_)
        avancer();
}

LectureBdd CurseurCatalogue::BddLit(ActPhoto& act) const {
    if (eof_ || !requete_)
        return {erreur_ != 0 ? erreur_ : LectureBdd::PasDeLigneCourante};
    const SqliteStatement& r = *requete_;
    act.Numero = static_cast<int>(r.integer(0));
    act.Clef = r.text(1);
    act.Nom = sansEspacesFinales(r.text(2));
    act.Rep = sansEspacesFinales(r.text(3));
    act.Annee = static_cast<int>(r.integer(4));
    act.Mois = static_cast<int>(r.integer(5));
    act.Type = r.text(6);
    act.Valide = static_cast<int>(r.integer(7));
    act.Rab = r.text(8);
    act.Tri = static_cast<int>(r.integer(9));
    act.Mots = r.text(10);
    act.Complement = r.text(11);
    act.Futur = r.text(12);
    act.Information = r.text(13);
    return {};
}
