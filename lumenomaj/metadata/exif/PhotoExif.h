#pragma once

#include "BlocExif.h"
#include "EcrivainExif.h"

#include <FichierJpeg.h>

// The EXIF record of an opened photo.
BlocExif lireExif(const FichierJpeg& photo);

// Rebuilds the APP1 segment from the record and puts it into the photo, to be written by
// FichierJpeg::ecrire. A record without entries removes the EXIF segment, except when nothing could
// be read from the photo's segment (damaged header, no entries): that segment is kept as it is. Returns
// false, leaving the photo unchanged, when the segment would exceed the JPEG segment limit.
bool placerExif(FichierJpeg& photo, BlocExif& bloc, const PlacementNoteFabricant& placement = {},
                QString* erreur = nullptr);
