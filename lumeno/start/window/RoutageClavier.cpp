#include "RoutageClavier.h"

#include <Qt>

const QStringList& ActionClavier::ordreEchap() {
    static const QStringList ordre{QStringLiteral("Frame1"),     QStringLiteral("Frame2"),
                                   QStringLiteral("Frame3"),     QStringLiteral("Frame4"),
                                   QStringLiteral("Frame5_Php"), QStringLiteral("Frame6"),
                                   QStringLiteral("Frame7")};
    return ordre;
}

ActionClavier ActionClavier::pour(int touche, const EtatClavier& etat) {
    ActionClavier a;
    if (etat.avalerProchaine) {
        a.consommee = a.avalee = true;
        return a;
    }
    if (touche == Qt::Key_Space)
        return a;
    if (etat.veille) {
        a.consommee = a.quitter = true;
        return a;
    }
    a.finZoom = etat.zoom;
    if (touche == Qt::Key_Escape) {
        a.consommee = true;
        for (const QString& ecran : ordreEchap())
            if (etat.ecransVisibles.contains(ecran)) {
                a.ecranAnnule = ecran;
                return a;
            }
        a.resetZoomEtPause = true;
        return a;
    }
    if (touche == Qt::Key_F1) {
        a.consommee = true;
        a.aide = !etat.texteAideVisible;
        return a;
    }
    if ((touche == Qt::Key_Return || touche == Qt::Key_Enter) &&
        etat.ecransVisibles.contains(QStringLiteral("Frame2"))) {
        a.consommee = a.rechercheEtDiaporama = true;
        return a;
    }
    return a;
}
