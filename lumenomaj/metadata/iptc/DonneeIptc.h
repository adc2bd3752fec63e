#pragma once

#include <QByteArray>

// One IPTC dataset: marker byte, record, dataset number and the value bytes (no terminator). The
// length written in the file is always the length of the data.
struct DonneeIptc {
    quint8 marqueur = 0x1C;
    quint8 enregistrement = 2; // 2: the application record; 1: the envelope (coded character set)
    quint8 numero = 0;
    QByteArray donnees;

    bool operator==(const DonneeIptc&) const = default;
};
