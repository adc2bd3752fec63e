#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The Photoshop image resources carried by APP13: a run of blocks "8BIM", a 16-bit number, a
// Pascal name padded to an even size, a 32-bit size and the data padded to an even size.
struct RessourcePhotoshop {
    QByteArray signature = "8BIM";
    quint16 numero = 0;
    QByteArray nom; // the name bytes, without the length byte and the padding
    QByteArray donnees;
};

struct SuiteRessources {
    QList<RessourcePhotoshop> ressources;
    QByteArray reste;    // bytes after the last block that could be read, written back unchanged
    QStringList defauts; // what was wrong in the input, in French, for the caller's log
};

namespace RessourcesPhotoshop {

constexpr quint16 kNumeroIptc = 0x0404;

// Walks every block; never reads outside the bytes. A block cut short keeps the bytes present.
SuiteRessources lire(const QByteArray& octets);

// The bytes of the blocks followed by the rest, each block padded as Photoshop does.
QByteArray ecrire(const SuiteRessources& suite);

} // namespace RessourcesPhotoshop
