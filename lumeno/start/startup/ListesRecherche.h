#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The lists start-up fills for the search screen and the selection.
struct ListesRecherche {
    QStringList liste;       // Liste: every Nom in key order
    QList<int> positionsTri; // the Tri of each entry of Liste
    int nombreEnregistrements = 0;
    QStringList choixRepert;    // ChoixRepert / RepertChoix: first-level folders of the ticked roots
    QList<bool> repertRetenu;   // RepertRetenu: one mark per folder
    QStringList contexteListe;  // ContexteListe: "(Aucun)" then the context names
    QStringList listeMotDefini; // ListeMotDefini: " " then the words
    QStringList choixAnnee;     // ChoixAnnee: "" then the years
    QStringList choixMois;      // ChoixMois: "" then the months
};

// The criteria of the first slideshow.
struct CriteresDepart {
    QString anneeRecherche; // AnneeRecherche, signed number text
    QString moisRecherche;  // MoisRecherche
    QString contexteDemarrage;
    QString contexteChoisi;
    QString motRecherche; // its search forms are made by the selection
    int sautDiaporama = 0;
};
