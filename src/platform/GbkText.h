#pragma once

#include <QByteArray>
#include <QString>

// Text in the Chinese national encoding used by the settings and skin files. Both directions use
// GB18030: it is byte-identical with GBK for every GBK character and can still spell every other
// character, so nothing a user types is lost on the way to disk.

// A character without a GB18030 spelling (since GB18030-2022 a few private-use ones) becomes '?', as the
// classic code-page conversion does.
QByteArray EncodeGbk(const QString& text);

// Files arrive from anywhere, so bad input must never cost the readable part: each byte that does
// not start a valid sequence becomes U+FFFD and decoding carries on with the next byte.
QString DecodeGbk(const QByteArray& bytes);
