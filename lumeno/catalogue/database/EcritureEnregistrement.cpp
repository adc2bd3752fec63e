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

ActPhoto preparer(ActPhoto act) {
    if (act.Rab.size() == 4)
        act.Rab = act.Rab.mid(1);
    if (act.Rep.isEmpty())
        act.Rep = RepVide;
    if (act.Nom.isEmpty())
        act.Nom = NomVide;
    if (act.Type.isEmpty())
        act.Type = TypeVide;
    if (act.Mots.isEmpty())
        act.Mots = MotsVides;
    act.Complement = QStringLiteral("...");
    if (act.Clef.size() > LongueurMaxiClef)
        act.Clef.truncate(LongueurMaxiClef);
    if (act.Rep.size() > LongueurMaxiRep)
        act.Rep = RepTropLong;
    if (act.Nom.size() > LongueurMaxiNom)
        act.Nom = NomTropLong;
    if (act.Mois > 12 || act.Mois < 0)
        act.Mois = 0;
    act.Futur = QStringLiteral(".");
    act.Information = QStringLiteral(".");
    return act;
}

} // namespace EcritureEnregistrement
