#pragma once

#include "data/settings/GeneralIni.h"
#include "controls/GenericView.h"

class IPlatform;
class QTextBrowser;

// A browser panel page (advertising or news): shows its page when that is a local file, and a
// short note with a link otherwise, with the visible link buttons of General.ini below.
class CBrowserPanel : public CGenericView
{
    Q_OBJECT

public:
    CBrowserPanel(CNewZelDoc& document, const QString& page, const CGeneralIni& general, IPlatform& platform,
                  QWidget* parent = nullptr);

    // The local file shown, or empty when the panel shows its note.
    const QString& LocalFile() const { return m_localFile; }
    QTextBrowser* Browser() const { return m_browser; }

    // The local file a page address names: an existing path, absolute or below the program
    // folder, or a file: URL; empty for anything else.
    static QString LocalFileOf(const QString& page);

private:
    void Open(const QString& target);

    IPlatform& m_platform;
    QString m_localFile;
    QTextBrowser* m_browser;
};
