#pragma once

#include <QString>

#include <array>

// The ring of the last 20 items delivered to the slideshow, for the back button. Slots and indices
// run from 1 to 20 and wrap; slot 0 is unused.
struct Historique {
    struct Element {
        QString rep;
        QString nom;
        QString type;
    };
    static constexpr int kTaille = 20;

    std::array<Element, kTaille + 1> elements;
    int HistoEcriture = 0; // slot last written
    int HistoLecture = 0;  // slot shown by the back button

    // Index after i, wrapping from 21 to 1.
    static int suivant(int i) { return i + 1 > kTaille ? 1 : i + 1; }

    // A delivered record: both indices move on and the record goes in the new write slot.
    void enregistrer(const QString& rep, const QString& nom, const QString& type);

    // Empties every slot (folder, name and extension) and sets both indices to 0.
    void vider();
};
