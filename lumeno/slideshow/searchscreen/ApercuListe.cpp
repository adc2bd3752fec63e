#include "ApercuListe.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool parmi(const QString& type, std::initializer_list<const char*> formes) {
    for (const char* f : formes)
        if (type == QLatin1String(f))
            return true;
    return false;
}

} // namespace

ApercuListe ApercuListe::pour(const ActPhoto& fiche, const QString& premiereRacine) {
    ApercuListe a;
    const QString racine = premiereRacine;
    const QString fichier = fiche.Nom + QStringLiteral("_t.") + fiche.Type;
    QStringList candidats;
    if (!racine.isEmpty()) {
        const QString miniatures = racine + QStringLiteral("/x-Lumeno/Miniatures");
        // The part of the folder below the root; a folder outside the root has no mirrored thumbnail.
        if (fiche.Rep.startsWith(racine + QLatin1Char('/'))) {
            const QString relatif = fiche.Rep.mid(racine.size() + 1);
            if (!relatif.split(QLatin1Char('/')).contains(QStringLiteral("..")))
                candidats << miniatures + QLatin1Char('/') + relatif + QLatin1Char('/') + fichier;
        } else if (fiche.Rep == racine) {
            candidats << miniatures + QLatin1Char('/') + fichier;
        }
        candidats << miniatures + QStringLiteral("/Lumeno-Bin/") + fichier;
    }
    for (const QString& c : candidats) {
        if (QFileInfo(c).isFile()) {
            a.miniature = c;
            a.libelle = QStringLiteral("Photo type : ") + fiche.Type;
            return a;
        }
    }
    const QString& t = fiche.Type;
    if (parmi(t, {"TXT", "Txt", "txt"}))
        a.libelle = QStringLiteral("Format Texte : ") + t;
    else if (parmi(t, {"JPG", "Jpg", "jpg"}))
        a.libelle = QStringLiteral("Photo type : JPG");
    else if (parmi(t, {"AVI", "Avi", "avi"}))
        a.libelle = QStringLiteral("Vidéo type : AVI");
    else
        a.libelle = QStringLiteral("Format type : ") + t;
    return a;
}
