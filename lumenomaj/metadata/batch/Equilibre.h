#pragma once

#include "AnalyseNom.h"
#include "ChampsPhoto.h"

// The choices of the parameter frame that drive the filling of the fields from the name.
struct OptionsEquilibre {
    bool lumenoImpose = true;     // the name gives the fields (else the photo's EXIF keeps them)
    bool effaceImpose = true;     // old values are replaced, not only empty boxes filled
    bool microsoftMajeur = false; // keep the stored EXIF description (fill the XP title only)
    QString auteur;
    QString motAjout;
    FormatNoms format;
};

namespace Equilibre {

// Fills the fields from the base name, its analysis and the options.
void equilibrer(ChampsPhoto& champs, const QString& nomBase, const NomAnalyse& analyse,
                const OptionsEquilibre& options);

// The EXIF date ("AAAA:MM:JJ HH:MM:SS") and the IPTC day given by a dated name; empty when the
// month is not two digits 01 to 12.
struct DateNom {
    QString exif;
    QString jourIptc;
};
DateNom dateDuNom(const QString& nomBase, const NomAnalyse& analyse, const FormatNoms& format);

} // namespace Equilibre
