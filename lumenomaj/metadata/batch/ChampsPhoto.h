#pragma once

#include <QString>

// The editable texts of one photo: what the metadata window's boxes hold, and what the batch fills
// and saves. Lists (keywords, by-lines) are texts as the boxes show them.
struct ChampsPhoto {
    // Windows XP fields.
    QString xpTitre;
    QString xpAuteur;
    QString xpMotsCles;
    QString xpSujet;
    QString xpCommentaire;
    // EXIF.
    QString dateOrigine; // DateTimeOriginal of the Exif directory
    QString description; // ImageDescription (IFD0)
    QString dateHeure;   // DateTime (IFD0)
    QString copyright;   // Copyright (IFD0)
    QString artiste;     // Artist (IFD0)
    // IPTC.
    QString iptcCopyright;
    QString iptcSousTitre;
    QString iptcSousTitreEcrit; // ";"-separated
    QString iptcCategories;
    int iptcUrgence = -1;    // index of the urgency item, -1 when none is chosen
    QString iptcAuteur;      // ";"-separated
    QString iptcTitreAuteur; // ";"-separated
    QString iptcCredits;
    QString iptcSource;
    QString iptcNomObjet;
    QString iptcJour;
    QString iptcMois;
    QString iptcAnnee;
    QString iptcVille;
    QString iptcProvince;
    QString iptcPays;
    QString iptcMotsCles; // one keyword a line, each followed by CR LF
};
