#pragma once

#include <QString>

// The codec that key names and values pass through on their way to the per-user
// settings store: every character's code in the ANSI code page (Windows-1252) is
// shifted by +85 on encoding and by -85 on decoding. A character without a code
// in that page, or whose shifted code leaves 0..255, is left out; the rest of the
// text is still processed. Pure functions: safe to call on any text.
QString EncodeSetting(const QString& text);
QString DecodeSetting(const QString& text);
