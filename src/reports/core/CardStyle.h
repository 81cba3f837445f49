#pragma once

#include <QString>

// What a table card or an address label sheet writes into its style block, made safe: a stored
// text never reaches the style unchecked.
namespace CardStyle {

// A stored colour for CSS: a number is the platform's blue-green-red value and becomes #RRGGBB; a
// known colour name or a hex colour stays; anything else is "black".
QString Color(const QString& stored);
QString ColorOfNumber(int blueGreenRed);
// A font size in pixels; 0 or less is 12.
int FontSize(int size);
// A font face without the characters that would end the rule; empty gives "Arial".
QString FontFace(const QString& stored);
// The colour names the designers offer (English, as stored) and their Hebrew names.
QStringList ColorNames();
QStringList HebrewColorNames();

}
