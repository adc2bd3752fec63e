#include "DictionnaireIptc.h"

namespace {

struct Nom {
    int numero;
    const char* anglais;
    const char* francais;
};

constexpr Nom kNoms[] = {
    {5, "Object Name", "Nom de l'objet"},
    {7, "Edit Status", "Statut éditorial"},
    {10, "Urgency", "Priorité"},
    {15, "Category", "Catégorie"},
    {20, "Supplemental Category", "Catégorie supplémentaire"},
    {22, "Fixture Identifier", "Identificateur"},
    {25, "Keywords", "Mots-clés"},
    {30, "Release Date", "Date de disponibilité"},
    {35, "Release Time", "Heure de disponibilité"},
    {40, "Special Instructions", "Instructions spéciales"},
    {45, "Reference service", "Service de référence (doit être suivi des champs 47 et 50)"},
    {47, "Reference Date", "Date de référence"},
    {50, "Reference Number", "Numéro de référence"},
    {55, "Date Created", "Date de création de l'objet"},
    {60, "Time Created", "Heure de création de l'objet"},
    {65, "Originating Program", "Programme ayant créé l'objet"},
    {70, "Program version", "Version du programme ayant créé l'objet"},
    {75, "Object cycle", "Cycle de l'objet"},
    {80, "By-line", "Créateur de l'objet (auteur)"},
    {85, "By-line Title", "Titre du créateur ou des créateurs"},
    {90, "City", "Ville"},
    {95, "Province/State", "Province/État"},
    {100, "Country/Primary Location Code", "Code du pays"},
    {101, "Country/Primary Location Name", "Libellé du pays"},
    {103, "Original Transmission Reference", "Référence de la transmission (code)"},
    {105, "Headline", "Titre"},
    {110, "Credit", "Crédit (fournisseur de l'objet)"},
    {115, "Source", "Source (propriétaire intellectuel de l'objet)"},
    {116, "Copyright Notice", "Copyright"},
    {118, "Contact", "Contact"},
    {120, "Caption/Abstract", "Description, Résumé, Commentaire"},
    {122, "Writer/Editor", "Auteur de la Description"},
    {130, "Image Type", "Type de l'image"},
};

const Nom* chercher(int numero) {
    for (const Nom& nom : kNoms) {
        if (nom.numero == numero)
            return &nom;
    }
    return nullptr;
}

} // namespace

namespace DictionnaireIptc {

QString nomAnglais(int numero) {
    const Nom* nom = chercher(numero);
    return nom ? QString::fromUtf8(nom->anglais) : QStringLiteral("Unknown");
}

QString nomFrancais(int numero) {
    const Nom* nom = chercher(numero);
    return nom ? QString::fromUtf8(nom->francais) : QStringLiteral("Inconnu");
}

} // namespace DictionnaireIptc
