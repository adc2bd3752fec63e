#pragma once

#include <QString>

// Fixed lines of the settings files, character for character: readers of older copies rely on
// their widths.
namespace TextesFixes {

// Lines 17 to 19 of Lumeno1.txt: the screen saver's random mode, no word, 8 seconds.
inline const QString kVeilleAleatoire =
    QStringLiteral("Aléatoire        <-- Ecran de Veille : Aléatoire ou nombre ");
inline const QString kVeilleMot =
    QStringLiteral("            <-- Ecran de Veille : Mot possible pour recherche ");
inline const QString kVeilleTempo =
    QStringLiteral("8           <-- Ecran de Veille : temps entre photos en  secondes ");

// The comments after the values of lines 17, 18, 19 and 22 of Lumeno3.txt.
inline const QString kCommentaireAleatoire =
    QStringLiteral("               <-- Ecran de Veille : Aléatoire ou nombre ");
inline const QString kCommentaireMot =
    QStringLiteral("              <-- Ecran de Veille : Mot possible pour recherche ");
inline const QString kCommentaireTempo =
    QStringLiteral("             <-- Ecran de Veille : temps entre photos en  secondes ");
inline const QString kCommentaireAnnee = QStringLiteral("                   Année possible");

} // namespace TextesFixes
