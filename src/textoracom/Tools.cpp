#include "textoracom/Tools.h"

#include "com/IniSections.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <climits>

namespace {

constexpr qsizetype kValueBuffer = 1500;

QByteArray RawValue(const QString& section, const QString& key, const QString& file)
{
    CIniSections ini;
    ini.Load(file);
    return ini.Value(Tools::AnsiBytes(section), Tools::AnsiBytes(key));
}

}

namespace Tools {

QString ReadIniValue(const QString& section, const QString& key, const QString& def, const QString& file)
{
    const QByteArray value = RawValue(section, key, file);
    return value.isNull() ? def.left(kValueBuffer - 1) : AnsiText(value.left(kValueBuffer - 1));
}

int ReadIniInt(const QString& section, const QString& key, int def, const QString& file)
{
    const QByteArray value = RawValue(section, key, file);
    return value.isNull() ? def : TextToInt(AnsiText(value));
}

int TextToInt(const QString& text)
{
    const QString trimmed = text.trimmed();
    qsizetype end = trimmed.startsWith(u'-') || trimmed.startsWith(u'+') ? 1 : 0;
    while (end < trimmed.size() && trimmed[end] >= u'0' && trimmed[end] <= u'9')
        ++end;
    bool ok = false;
    const qlonglong value = trimmed.left(end).toLongLong(&ok);
    return ok ? int(qBound(qlonglong(INT_MIN), value, qlonglong(INT_MAX))) : 0;
}

QByteArray AnsiBytes(const QString& text)
{
    return EncodeText(text, "windows-1255");
}

QByteArray EncodeText(const QString& text, const QByteArray& charset)
{
    QStringEncoder encoder(charset.constData());
    if (!encoder.isValid())
        return text.toUtf8();
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        bytes.replace('\x1a', '?'); // the codec's mark of an unmappable character
    return bytes;
}

QString AnsiText(const QByteArray& bytes)
{
    QStringDecoder fromAnsi("windows-1255");
    return fromAnsi.decode(bytes);
}

}
