#pragma once

#include "data/settings/Settings.h"

#include <QString>

class CGuest;
class CNewZelDoc;

// Table cards and address labels: one per guest in a grid of cards per row and rows per page,
// or, for labels printed on envelopes, one label a page.
namespace CardReport {

enum class Kind { TableCards, AddressLabels };

// The look of the cards: the stored layout and the font.
struct Design
{
    CSettings::CardLayout layout;
    QString fontFace;
    int fontSize = 0;
    QString fontColor;
};

// The stored design of the kind (the layout and the KeySettings font keys).
Design StoredDesign(const CSettings& settings, Kind kind);
// Puts the design back into the settings; false when nothing changed.
bool StoreDesign(CSettings& settings, Kind kind, const Design& design);

QString Style(const Design& design, Kind kind);
// One card with the name and table number given (escaped here).
QString TableCard(const CSettings::CardLayout& layout, const QString& name, const QString& tableNumber);
QString AddressLabel(const CSettings::CardLayout& layout, const QString& name, const QString& address);
// A whole page of the given cards, as the designers preview them.
QString Page(const Design& design, Kind kind, const QStringList& cards, int perRow, int rowsPerPage, bool envelopes);
// The guest's name on a card: first names first, or the family name first.
QString GuestName(const CGuest& guest, bool familyFirst);

QString Html(CNewZelDoc& document, Kind kind, int perRow, int rowsPerPage, bool familyFirst, bool envelopes);

}
