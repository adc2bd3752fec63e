#pragma once

#include "DonneeIptc.h"
#include "RessourcesPhotoshop.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// What the metadata window shows for one dataset.
struct DescriptionIptc {
    QString anglais;
    QString francais;
    QString valeur;
};

// The IPTC datasets of a photo, read from its APP13 segment(s) and built back into them. The other
// Photoshop resources of the segment (resolution, thumbnails, slices…) are kept and written back
// unchanged around the IPTC block, and so are APP13 segments that hold no Photoshop resources.
//
// Text values follow the coded character set (dataset 1:90): UTF-8 when it says so, Windows-1252
// otherwise. Setting a text that Windows-1252 cannot hold moves the whole record to UTF-8.
class BlocIptc {
public:
    static constexpr quint8 kMarqueur = 0x1C;
    static constexpr quint8 kApplication = 2;
    static constexpr quint8 kEnveloppe = 1;
    static constexpr quint8 kJeuCaracteres = 90; // dataset 1:90
    static const QByteArray kJeuUtf8;            // ESC % G

    // The largest segment payload: the 16-bit length field counts itself.
    static constexpr int kChargeMaxi = 65533;

    // Reads the APP13 segments of a photo in file order, each whole (FF ED, the length, the payload).
    // Consecutive Photoshop segments are one run of resources cut in pieces and are joined. Malformed
    // input never fails: what can be read is kept and the rest reported by defauts().
    static BlocIptc lireSegments(const QList<QByteArray>& segments);
    // The same from the payloads alone (the bytes after each length field).
    static BlocIptc lireCharges(const QList<QByteArray>& charges);

    // True when the record holds at least one dataset.
    bool aDonnees() const { return !donnees_.isEmpty(); }
    const QList<DonneeIptc>& donnees() const { return donnees_; }
    // The zero-terminated text at the start of the segment; empty when it starts with "8BIM".
    const QString& identifiant() const { return identifiant_; }
    // True when dataset 1:90 declares UTF-8.
    bool estUtf8() const;
    // The other Photoshop resources, in file order (the IPTC block is not among them).
    QList<RessourcePhotoshop> autresRessources() const;
    // What was wrong in the input, in French; empty for a sound segment.
    const QStringList& defauts() const { return defauts_; }

    // The value of a dataset as text in the record's character set.
    QString texte(const DonneeIptc& donnee) const;
    // Every value of one dataset number, in list order (keywords, by-lines…).
    QStringList textes(quint8 numero, quint8 enregistrement = kApplication) const;
    // Names and display value: dates and times in the system's formats, the object cycle in words.
    DescriptionIptc decrire(const DonneeIptc& donnee) const;

    // Sets the n-th dataset (1-based) with these numbers: replaced in place when it exists and the
    // add flag is off, else inserted in order (after the datasets with the same numbers). Empty data
    // removes the n-th dataset instead.
    void definirOctets(quint8 marqueur, quint8 enregistrement, quint8 numero, const QByteArray& donnees,
                       int occurrence = 1, bool ajout = false);
    void definirTexte(quint8 marqueur, quint8 enregistrement, quint8 numero, const QString& texte,
                      int occurrence = 1, bool ajout = false);
    // Removes the n-th dataset with these numbers, or all of them for n = -1.
    void supprimer(quint8 marqueur, quint8 enregistrement, quint8 numero, int occurrence);
    // Short form of the callers' rule for repeated fields: remove them all, then set 1, 2, 3…
    void remplacerTextes(quint8 numero, const QStringList& valeurs);

    // The APP13 segments to write, each whole (FF ED, length, payload), in order. A run of resources
    // longer than one segment is cut across consecutive segments, each starting with the identifier.
    // No segment at all when there is neither a dataset nor another resource.
    QList<QByteArray> construireSegments() const;
    // The same payloads without the marker and the length.
    QList<QByteArray> construireCharges() const;

private:
    void lireIptc(const QByteArray& octets);
    void passerEnUtf8();
    QByteArray encoderTexte(quint8 enregistrement, const QString& texte);

    QString identifiant_;
    SuiteRessources ressources_;
    int positionIptc_ = -1; // index of the IPTC resource in ressources_, -1 when there was none
    QList<DonneeIptc> donnees_;
    QByteArray remplissage_;      // zero bytes after the datasets, written back as they were
    QList<QByteArray> etrangers_; // APP13 payloads that are not Photoshop resources
    QStringList defauts_;
};
