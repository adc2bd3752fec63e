#include "EcritureEnregistrement.h"

namespace EcritureEnregistrement {

const QString RepVide = QStringLiteral("Rep vide ?");
const QString NomVide = QStringLiteral("Photo sans nom ?");
const QString TypeVide = QStringLiteral("bof");
const QString MotsVides = QStringLiteral("_");
const QString RepTropLong = QStringLiteral(
    "===>  Le Nom du Dossier est trop long pour Lumeno. Le réduire ou se plaindre auprès du support "
    "technique. ");
const QString NomTropLong = QStringLiteral(
    "===>  Le Nom de la Photo est trop long pour Lumeno. Le réduire ou se plaindre auprès du support "
    "technique. ");

QString repStocke(const QString& rep) {
    if (rep.isEmpty())
        return RepVide;
    return rep.size() > LongueurMaxiRep ? RepTropLong : rep;
}

QString rabStocke(const QString& rab) {
    return rab.size() == 4 ? rab.mid(1) : rab;
}

ActPhoto preparer(ActPhoto act) {
    act.Rab = rabStocke(act.Rab);
    act.Rep = repStocke(act.Rep);
    if (act.Nom.isEmpty())
        act.Nom = NomVide;
    if (act.Type.isEmpty())
        act.Type = TypeVide;
    if (act.Mots.isEmpty())
        act.Mots = MotsVides;
    act.Complement = QStringLiteral("...");
    if (act.Clef.size() > LongueurMaxiClef)
        act.Clef.truncate(LongueurMaxiClef);
    if (act.Nom.size() > LongueurMaxiNom)
        act.Nom = NomTropLong;
    if (act.Mois > 12 || act.Mois < 0)
        act.Mois = 0;
    act.Futur = QStringLiteral(".");
    act.Information = QStringLiteral(".");
    return act;
}

} // namespace EcritureEnregistrement
