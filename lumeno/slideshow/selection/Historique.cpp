#include "Historique.h"

void Historique::enregistrer(const QString& rep, const QString& nom, const QString& type) {
    HistoEcriture = suivant(HistoEcriture);
    HistoLecture = suivant(HistoLecture);
    elements[HistoEcriture] = {rep, nom, type};
}

void Historique::vider() {
    elements.fill(Element{});
    HistoEcriture = 0;
    HistoLecture = 0;
}
