#pragma once

#include "controls/TextLayout.h"

// Texts laid out in Verdana's published metrics, as Windows draws them, on any machine.
namespace Verdana {

// Every advance 2 % wider than published and the lines at a cautious pitch (14, 15
// and 16 px at 8.25, 9 and 9.75 pt), as a hinted Windows Verdana may draw them.
TextLayout layOut(const QString& text, const QFont& font, QSize box, bool wrap);
// Whether Verdana has every letter of the text (it draws no CJK, Arabic, Hebrew or Indic).
bool covers(const QString& text);
// Whether the font drawn here is one a user sees: any on Linux, where fontconfig puts
// DejaVu Sans in Verdana's place; on Windows only Verdana itself (a stand-in, as
// under Wine, is measured by Verdana's metrics alone).
bool drawnAsUsersSeeIt(const QFont& font);

} // namespace Verdana
