#pragma once

#include "ChampsPhoto.h"

#include <BlocExif.h>
#include <BlocIptc.h>
#include <FichierJpeg.h>

#include <QString>
#include <QStringList>

// One IPTC row of the window's list: the French name and the value text.
struct LigneIptc {
    QString nom;
    QString valeur;
};

// One photo as loaded for the window and the batch: its segments, its EXIF and IPTC records, the
// texts of its fields and the lines the window lists.
struct PhotoMetadonnees {
    QString chemin;
    bool lue = false; // false: the photo could not be read and must never be saved
    QString erreurLecture;
    bool aExif = false; // the photo had an APP1 segment

    FichierJpeg jpeg;
    BlocExif exif;
    BlocIptc iptc;
    ChampsPhoto champs;

    QStringList lignesIfd;  // IFD0, Exif and Interoperability entries except the boxed ones
    QStringList lignesIfd1; // thumbnail directory
    QStringList lignesNote; // maker note
    QList<LigneIptc> lignesIptc;
};

namespace ChargementPhoto {

// Reads the photo and fills every field and list; a photo that cannot be read gives empty fields
// and lue == false. Texts end at their first zero character.
PhotoMetadonnees charger(const QString& chemin);

// Fills the texts and lists again from the records (after an edit of the records in memory).
void remplirDepuisBlocs(PhotoMetadonnees& photo);

// The IPTC record the boxes describe: each box gives its dataset of record 2; list boxes replace
// every dataset of their number; an empty single box removes the first dataset of its number.
void placerChampsIptc(const ChampsPhoto& champs, BlocIptc& iptc);

// Writes the non-empty fields into the records and the photo over its file (through a temporary
// file), then reads it again. Refuses a photo that was not read. The EXIF artist and copyright are
// never written here. False with a French message in *erreur on any failure; the file then stays
// as it was.
bool sauver(PhotoMetadonnees& photo, const ChampsPhoto& champs, QString* erreur);

// The text of a value for a box: up to its first zero character.
QString avantZero(const QString& texte);

} // namespace ChargementPhoto
