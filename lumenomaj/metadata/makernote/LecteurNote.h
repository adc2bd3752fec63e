#pragma once

#include <BlocExif.h>

// Reads the maker note of a record just read from a photo: sets bloc.fabricant from the Make tag, and,
// when the note's layout is known for that maker, bloc.typeNote and the entries of
// bloc.noteFabricant. A note that cannot be read (unknown maker, no Make tag, unknown header,
// implausible directory) leaves the directory empty and the note's bytes untouched. Never fails.
//
// With the APP1 segment the record was read from, a preview image the note points to outside its own
// bytes is moved into the note (see rattacherApercus), so that saving the photo keeps it.
void lireNoteFabricant(BlocExif& bloc, const QByteArray& segmentExif = {});
