#include "IptcJpeg.h"

#include "FichierJpeg.h"

namespace IptcJpeg {

BlocIptc lire(const FichierJpeg& photo) {
    return BlocIptc::lireCharges(photo.chargesApp13());
}

void placer(FichierJpeg& photo, const BlocIptc& bloc) {
    photo.remplacerApp13(bloc.construireCharges());
}

} // namespace IptcJpeg
