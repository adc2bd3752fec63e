#pragma once

#include <DictionnaireExif.h>

// The label of a maker-note entry and the text of its value, for the metadata window: from the table
// of the maker (and of the note type for Nikon, Casio and Pentax). A tag the table does not hold is
// labelled "Unknown"; a value without a text of its own shows its generic text.
NomEtTexte etiquetteEtTexteNote(qint32 codeFabricant, qint32 typeNote, const EntreeIfd& entree);
