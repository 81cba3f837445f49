#include "app/core/EventTypes.h"

#include "data/settings/StringTable.h"

#include <array>

namespace EventTypes {

namespace {

struct Kind
{
    const char16_t* text;
    const char16_t* nameFormat;
};

// The trailing spaces of the formats belong to the names they make.
const std::array<Kind, 7> kKinds = {{
    {u"חתונה", u"החתונה של %s ו%s"},
    {u"ברית", u"הברית של %s "},
    {u"בריתה", u"הבריתה של %s "},
    {u"בר מצוה", u"בר המצוה של %s "},
    {u"בת מצוה", u"בת המצוה של %s "},
    {u"שבת חתן", u"שבת החתן של %s "},
    {u"חינה", u"החינה של %s "},
}};

const Kind& KindOf(int type)
{
    return type >= 0 && type < int(kKinds.size()) ? kKinds[size_t(type)] : kKinds[0];
}

}

int Count()
{
    return int(kKinds.size());
}

QString TypeText(int type)
{
    return QString::fromUtf16(KindOf(type).text);
}

bool IsWedding(int type)
{
    return &KindOf(type) == &kKinds[0];
}

QString EventName(int type, const QString& brideName, const QString& groomName)
{
    const QString format = QString::fromUtf16(KindOf(type).nameFormat);
    return IsWedding(type) ? StringTable::Fill(format, {brideName, groomName}) : StringTable::Fill(format, {brideName});
}

QString FirstLabel(int type)
{
    return IsWedding(type) ? QStringLiteral("הכלה") : QStringLiteral("בעל השמחה");
}

QString NamesTitle(int type)
{
    return IsWedding(type) ? QStringLiteral("פרטי הזוג:") : QStringLiteral("פרטי בעל השמחה:");
}

}
