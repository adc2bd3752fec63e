#pragma once

#include "ActPhoto.h"

// The limits the writer applies to a record before it becomes a row. The scan applies them too,
// before sorting, so that the keys it sorts are the keys stored.
namespace EcritureEnregistrement {

inline constexpr int LongueurMaxiClef = 254;
inline constexpr int LongueurMaxiNom = 149;
inline constexpr int LongueurMaxiRep = 240;

extern const QString RepVide;
extern const QString NomVide;
extern const QString TypeVide;
extern const QString MotsVides;
extern const QString RepTropLong;
extern const QString NomTropLong;

// Returns the record as it will be stored: Rab of 4 characters keeps its last 3, empty fields get
// their placeholder, Clef is cut, a too long Rep or Nom is replaced by its warning text, a month
// outside 0-12 becomes 0, Complement is "..." and Futur and Information are ".". Tri is kept.
ActPhoto preparer(ActPhoto act);

// The folder and root-length fields as preparer() stores them: the same for every file of a folder.
QString repStocke(const QString& rep);
QString rabStocke(const QString& rab);

} // namespace EcritureEnregistrement
