#include "finance/ui/BudgetTips.h"

#include "controls/MarkupTooltip.h"
#include "data/settings/StringTable.h"

namespace BudgetTips {

QString Markup(const QString& title, const QString& body)
{
    return QStringLiteral("<al_c><ct=0xFF0000><b>") + title
           + QStringLiteral("</b></ct><ct=0x00C000><br><hr=100%%><br></ct><al_r>") + body + QStringLiteral("</al_r>");
}

QString Html(const QString& title, const QString& body, const QStringList& args)
{
    return CMarkupTooltip::ToHtml(StringTable::Fill(Markup(title, body), args));
}

}
