#include "app/ui/BrowserPanel.h"

#include "data/storage/DataLocation.h"
#include "data/document/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString Note(const QString& page)
{
    if (page.isEmpty())
        return QStringLiteral("<p>לא הוגדר דף לחלונית זו.</p>"
                              "<p>ניתן להגדיר אותו בקובץ General.ini שבסיפריית התוכנה.</p>");
    return QStringLiteral("<p>הדף של חלונית זו נמצא ברשת ואינו מוצג כאן:</p><p><a href=\"%1\">%2</a></p>"
                          "<p>לחצו על הקישור כדי לפתוח אותו בדפדפן.</p>")
        .arg(page.toHtmlEscaped(), page.toHtmlEscaped());
}

}

CBrowserPanel::CBrowserPanel(CNewZelDoc& document, const QString& page, const CGeneralIni& general,
                             IPlatform& platform, QWidget* parent)
    : CGenericView(document, parent)
    , m_platform(platform)
    , m_localFile(LocalFileOf(page))
{
    m_browser = new QTextBrowser(this);
    m_browser->setOpenLinks(false);
    if (m_localFile.isEmpty())
        m_browser->setHtml(Note(page));
    else
        m_browser->setSource(QUrl::fromLocalFile(m_localFile));
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.isLocalFile() && url.fileName().endsWith(QStringLiteral(".html"), Qt::CaseInsensitive))
            m_browser->setSource(url);
        else
            Open(url.toString());
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int i = 0; i < CGeneralIni::kLinkButtons; ++i) {
        const LinkButton& link = general.Button(i);
        if (!link.visible || link.label.isEmpty() || link.content.isEmpty())
            continue;
        auto* button = new QPushButton(link.label, this);
        connect(button, &QPushButton::clicked, this, [this, content = link.content]() { Open(content); });
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser, 1);
    layout->addLayout(buttons);
}

QString CBrowserPanel::LocalFileOf(const QString& page)
{
    if (page.isEmpty())
        return QString();
    const QUrl url(page);
    if (url.isLocalFile())
        return QFileInfo(url.toLocalFile()).isFile() ? url.toLocalFile() : QString();
    if (!url.scheme().isEmpty() && url.scheme().size() > 1)
        return QString();
    const QString path = QDir::isAbsolutePath(page) ? page : CDataLocation::GetProgramFolder(true) + page;
    return QFileInfo(path).isFile() ? QFileInfo(path).absoluteFilePath() : QString();
}

void CBrowserPanel::Open(const QString& target)
{
    const QString local = LocalFileOf(target);
    if (local.isEmpty())
        m_platform.OpenUrl(target);
    else
        m_platform.OpenFile(local);
}
