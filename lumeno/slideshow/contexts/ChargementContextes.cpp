#include "ChargementContextes.h"

#include "Boite.h"
#include "FichierContextes.h"
#include "LignesContexte.h"

#include <QDir>
#include <QFileInfo>

ChargementContextes InitContexte(GrilleContextes& grille, bool contexteExiste,
                                 const QString& dossierProgramme, int anneeMaxi, int anneeMini) {
    ChargementContextes resultat;
    if (!contexteExiste) {
        QString erreur;
        if (FichierContextes::ContexteCreation(dossierProgramme, &erreur)) {
            resultat.etat = ChargementContextes::Etat::Recree;
            Boite::critique(QStringLiteral("Erreur Contexte"),
                            QStringLiteral("Il manquait le fichier des contextes Lumeno2.txt mais cela est "
                                           "réparé. Merci de relancer Lumeno."));
        } else {
            // Never say "repaired" when the file could not be written.
            resultat.etat = ChargementContextes::Etat::Absent;
            Boite::critique(QStringLiteral("Erreur Contexte"),
                            QStringLiteral("Il manquait le fichier des contextes Lumeno2.txt et il n'a pas "
                                           "pu être recréé dans %1 (%2).")
                                .arg(QDir::toNativeSeparators(dossierProgramme), erreur));
        }
        return resultat;
    }
    if (!FichierContextes::ChargemenContexte(grille, dossierProgramme, anneeMaxi, anneeMini))
        resultat.etat = ChargementContextes::Etat::Illisible;
    resultat.noms = nomsContextes(grille);
    return resultat;
}

ChargementContextes chargerContextesDemarrage(GrilleContextes& grille, bool& contexteExiste,
                                              const QString& dossierProgramme, int anneeMaxi, int anneeMini) {
    contexteExiste = QFileInfo(FichierContextes::chemin(dossierProgramme)).isFile();
    return InitContexte(grille, contexteExiste, dossierProgramme, anneeMaxi, anneeMini);
}
