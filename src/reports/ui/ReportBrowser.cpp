#include "reports/ui/ReportBrowser.h"

#include "reports/core/TextEngineMarkup.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextDocument>

QVariant CReportBrowser::loadResource(int type, const QUrl& name)
{
    if (type != QTextDocument::HtmlResource || !name.isLocalFile())
        return QTextBrowser::loadResource(type, name);
    QFile file(name.toLocalFile());
    if (!file.open(QIODevice::ReadOnly))
        return QVariant();
    const QByteArray bytes = file.readAll();
    const auto encoding = QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8);
    QStringDecoder decode(encoding);
    return TextEngineMarkup::Adapt(decode(bytes));
}
