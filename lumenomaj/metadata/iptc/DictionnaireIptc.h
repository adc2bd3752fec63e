#pragma once

#include <QString>

// Names of the datasets for display; the record number is not looked at.
namespace DictionnaireIptc {

QString nomAnglais(int numero);  // "Unknown" for a dataset not in the list
QString nomFrancais(int numero); // "Inconnu" for a dataset not in the list

} // namespace DictionnaireIptc
