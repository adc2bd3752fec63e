#include "BoiteMajDialogue.h"

#include <QApplication>
#include <QMessageBox>

BoiteMaj::Reponse BoiteMajDialogue::montrer(const Message& message) {
    QMessageBox::Icon icone = QMessageBox::Information;
    switch (message.icone) {
    case Icone::Information:
        break;
    case Icone::Question:
        icone = QMessageBox::Question;
        break;
    case Icone::Avertissement:
        icone = QMessageBox::Warning;
        break;
    case Icone::Critique:
        icone = QMessageBox::Critical;
        break;
    }
    QMessageBox::StandardButtons boutons = QMessageBox::Ok;
    if (message.boutons == Boutons::OkAnnuler)
        boutons = QMessageBox::Ok | QMessageBox::Cancel;
    else if (message.boutons == Boutons::OuiNon)
        boutons = QMessageBox::Yes | QMessageBox::No;
    QMessageBox boite(icone, message.titre, message.texte, boutons, QApplication::activeWindow());
    switch (boite.exec()) {
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
