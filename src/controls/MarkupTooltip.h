#pragma once

#include <QString>

// The help texts of the string table are written in a small tool-tip markup: <al_c> and <al_r>
// (centre and right alignment of what follows), <ct=0xRRGGBB> (text colour), <b> (bold), <br>
// (line break) and <hr=100%> (a rule of that share of the width, "%" optional), with </b>, </ct>,
// </al_c> and </al_r> to end a tag early.
// This turns such a text into the rich text that Qt shows in a tool tip. Anything that is not one
// of these tags is shown as written.
class CMarkupTooltip
{
public:
    static QString ToHtml(const QString& markup);
    // The text of a string-table id: its printf placeholders (none, or "%%") resolved, then converted.
    static QString FromStringTable(int id);
};
