#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Texts from the transmitter and the user note are 8-bit Windows-1250
// (Central European) characters. They are shown with the accents taken off,
// as the transmitter's own display and older viewers cannot show them.

namespace lmk17 {

// The 256-entry diacritics map: every accented letter to its plain ASCII
// letter, every other code (0xD7, 0xDF, 0xF7 included) to itself.
quint8 PlainLetter(quint8 code);

// Windows-1250 bytes to Unicode, and back ('?' for what the code page lacks).
QString DecodeWindows1250(const QByteArray& text);
QByteArray EncodeWindows1250(const QString& text);

// A transmitter text as the program shows it: accents removed, then decoded.
QString ShowPlainText(const QByteArray& text);

}  // namespace lmk17
