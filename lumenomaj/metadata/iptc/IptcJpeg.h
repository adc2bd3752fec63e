#pragma once

#include "BlocIptc.h"

class FichierJpeg;

// The IPTC record of an opened photo: read from its APP13 segments, and put back in their place
// before the photo is saved.
namespace IptcJpeg {

BlocIptc lire(const FichierJpeg& photo);

// Replaces the photo's APP13 segments by the record's (none when it holds nothing).
void placer(FichierJpeg& photo, const BlocIptc& bloc);

} // namespace IptcJpeg
