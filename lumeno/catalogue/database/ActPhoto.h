#pragma once

#include <QString>

// The current record: one catalogue row as the program holds it between a read (BddLit) and a
// write (BddEcrit). The members carry the field names of Table1.
struct ActPhoto {
    int Numero = 0; // "N°": given by the database, never written
    QString Clef;
    QString Nom;
    QString Rep;
    int Annee = 0;
    int Mois = 0;
    QString Type;
    int Valide = 0;
    QString Rab;
    int Tri = 0; // 0 while the row has no position yet
    QString Mots;
    QString Complement;
    QString Futur;
    QString Information;
};
