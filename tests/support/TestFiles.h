#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace TestFiles {

// Windows-1255 bytes of a text, for writing fixture INI files as the older versions wrote them.
QByteArray Cp1255(const QString& text);
bool Write(const QString& path, const QByteArray& bytes);
QByteArray Read(const QString& path);
// The folder of the fixture files under tests/data.
QString Fixture(const QString& relative);

// A fresh XDG_DATA_HOME and XDG_CONFIG_HOME for one test; the old values come back afterwards.
class ScopedHome
{
public:
    ScopedHome();
    ~ScopedHome();
    QString Path() const { return m_dir.path(); }
    // Where the per-user data folder lies below this home.
    QString DataFolder() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldData;
    QByteArray m_oldConfig;
    bool m_hadData;
    bool m_hadConfig;
};

}
