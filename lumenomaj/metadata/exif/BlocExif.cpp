#include "BlocExif.h"

Ifd* BlocExif::repertoire(int selecteur) {
    switch (selecteur) {
    case SelecteurIfd0:
        return &ifd0;
    case SelecteurIfd1:
        return &ifd1;
    case SelecteurExif:
        return &exif;
    case SelecteurGps:
        return &gps;
    case SelecteurInterop:
        return &interop;
    default:
        return nullptr;
    }
}

const Ifd* BlocExif::repertoire(int selecteur) const {
    return const_cast<BlocExif*>(this)->repertoire(selecteur);
}
