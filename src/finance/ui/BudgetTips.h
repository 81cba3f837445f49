#pragma once

#include <QStringList>

// The help tips of the budget page and its dialogs, all in one form: a red bold title over a green
// rule, then the right-aligned text, whose placeholders are filled with the arguments.
namespace BudgetTips {

// The tip's markup, before its placeholders are filled.
QString Markup(const QString& title, const QString& body);
// The tip as a tool tip shows it.
QString Html(const QString& title, const QString& body, const QStringList& args = {});

}
