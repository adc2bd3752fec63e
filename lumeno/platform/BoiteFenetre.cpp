#include "BoiteFenetre.h"

#include <QMessageBox>

Boite::Reponse BoiteFenetre::montrer(const Message& m) {
    QMessageBox box(parent_);
    box.setWindowTitle(m.titre);
    box.setText(m.texte);
    switch (m.icone) {
    case Icone::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icone::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icone::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icone::Critique:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icone::Aucune:
        break;
    }
    switch (m.boutons) {
    case Boutons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Boutons::OkAnnuler:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Boutons::OuiNon:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Boutons::OuiNonAnnuler:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return Reponse::Annuler;
    case QMessageBox::Yes:
        return Reponse::Oui;
    case QMessageBox::No:
        return Reponse::Non;
    default:
        return Reponse::Ok;
    }
}
