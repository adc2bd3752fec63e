#pragma once

#include <QByteArray>
#include <QString>

// The single-byte code page of every text file the program writes. Qt has no built-in codec for it
// without ICU, and the table is small enough to own.
namespace Windows1252 {

// Decodes every byte; the five holes of the code page (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode as the
// control characters of the same value, as Windows does.
QString decode(const QByteArray& bytes);

// True when every character of text has a byte in the code page.
bool canEncode(const QString& text);

// Encodes text; characters without a byte become '?'. Call canEncode first where losing them matters.
QByteArray encode(const QString& text);

} // namespace Windows1252
