#pragma once

#include <QString>

// Lays out a photo tree of about n files: photos, videos, music, sounds, comments, playlists and
// files the scan ignores; dated and undated names, words, dated folders, several levels.
// Returns the number of files written.
int genererArbre(const QString& racine, int n);
