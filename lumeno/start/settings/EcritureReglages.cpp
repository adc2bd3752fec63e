#include "EcritureReglages.h"

#include "DateConfig.h"
#include "FormatDeclare.h"
#include "Horloge.h"
#include "Nombres.h"
#include "TexteFichier.h"
#include "TextesFixes.h"

namespace {

// One value a line: a line break typed into a value would shift every later line.
QString uneLigne(QString valeur) {
    for (QChar& c : valeur) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return valeur;
}

QString coche(bool c) {
    return c ? QStringLiteral("1") : QStringLiteral("0");
}

QString nombre(int n) {
    return QString::number(n);
}

} // namespace

QStringList lignesReglages(const ResultatsScan& scan, const ReglagesLumeno& r,
                           const QString& dossierProgramme) {
    const QDate date = scan.dateScan.isValid() ? scan.dateScan : Horloge::aujourdhui();
    QStringList l;
    l << QStringLiteral("[Lumeno-Config]");
    for (const RacineCatalogue& racine : r.racines)
        l << uneLigne(racine.chemin) + QLatin1Char('-') + coche(racine.cochee);
    l << QStringLiteral("[MaxiBdd]") << nombre(scan.nombreEnregistrements);
    l << QStringLiteral("[Annees]") << Nombres::texteSigne(scan.anneeMaxi)
      << Nombres::texteSigne(scan.anneeMini);
    l << QStringLiteral("AVI___") + coche(r.configCheck6);
    l << QStringLiteral("WMP___") + coche(r.configCheck7);
    l << QStringLiteral("MP3___") + coche(r.configCheck8);
    l << uneLigne(r.couleurTexteHtml);
    l << QStringLiteral("- - -") << QStringLiteral("[EcranVeille]") << uneLigne(dossierProgramme);
    l << TextesFixes::kVeilleAleatoire << TextesFixes::kVeilleMot << TextesFixes::kVeilleTempo;
    l << QStringLiteral("[Fenetre]") << Nombres::texteSigne(r.etatFenetre)
      << Nombres::texteSigne(r.hautFenetre) << Nombres::texteSigne(r.gaucheFenetre)
      << Nombres::texteSigne(r.hauteurFenetre) << Nombres::texteSigne(qint64(r.largeurFenetre) + 500);
    l << QStringLiteral("[Curseur]") << nombre(r.hScroll1);
    l << QStringLiteral("[Version]") << kVersionLumeno;
    l << QStringLiteral("[Format]") << coche(analyserFormat(r.formatPhotos1).declare)
      << uneLigne(r.formatPhotos1);
    l << QStringLiteral("[Miniatures]") << coche(r.configCheck11);
    l << QStringLiteral("[Musique_Hors_Diaporama]") << nombre(scan.nombreMusiques);
    l << QStringLiteral("[Musique_Ambiance]") << coche(r.configCheck12);
    l << QStringLiteral("[Nombre_Mots_Definis]") << nombre(scan.nombreMots);
    l << QStringLiteral("[Nombre_Annees_Definies]") << nombre(scan.nombreAnnees);
    l << QStringLiteral("[Nombre_Mois_Definis]") << nombre(scan.nombreMois);
    l << QStringLiteral("[OS_Anterieur_XP]") << coche(r.configCheckTri);
    l << QStringLiteral("[URL_site_Web]") << uneLigne(r.webAutreURL) << QStringLiteral("Lumeno2");
    l << QStringLiteral("[Mot_de_Passe_Web]") << uneLigne(r.webMotPasse);
    l << QStringLiteral("[Date_Mise_a_Jour]") << texteDateConfig(date);
    l << QStringLiteral("[Nombre_Jour_Config_Auto]") << uneLigne(r.configAutoJour);
    l << QStringLiteral("[Texte_Txt]") << coche(r.texteCheck16);
    l << QStringLiteral("[QuickTime]") << coche(r.quickTimeCheck17) << uneLigne(r.cheminQuickTime);
    l << QStringLiteral("[Deblocage_Player]")
      << (r.deblocagePlayer ? QStringLiteral("on") : QStringLiteral("off"));
    l << QStringLiteral("[Synthese_Vocale]") << coche(r.vocaleCheck19);
    l << QStringLiteral("[Compagnon]") << coche(r.personnagesCheck20);
    l << QStringLiteral("[Fin]");
    return l;
}

bool ecrireReglages(const QString& dossierProgramme, const ResultatsScan& scan,
                    const ReglagesLumeno& reglages, QString* erreur) {
    return TexteFichier::ecrire(dossierProgramme + QStringLiteral("/Lumeno1.txt"),
                                lignesReglages(scan, reglages, dossierProgramme), erreur);
}
