#pragma once

#include <QString>

// The baseline: a plain walk of a tree, names only (what `find` does), no sorting, no decoding.
// Returns the number of entries met.
long parcourirSimplement(const QString& racine);
