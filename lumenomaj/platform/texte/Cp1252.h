#pragma once

#include <QByteArray>
#include <QString>

// The single-byte code page of the text files and of the IPTC texts. Qt has no codec for it without
// ICU, and the table is small.
namespace Cp1252 {

// Decodes every byte; the five holes of the code page (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode as the
// control characters of the same value, as Windows does.
QString decoder(const QByteArray& octets);

// True when every character of the text has a byte in the code page.
bool encodable(const QString& texte);

// Encodes the text; a character without a byte becomes '?'. Call encodable() first where it matters.
QByteArray encoder(const QString& texte);

} // namespace Cp1252
