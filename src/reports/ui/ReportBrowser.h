#pragma once

#include <QTextBrowser>

// The preview of a report file: the page as the report holds it, adapted to Qt's text engine.
class CReportBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override;
};
