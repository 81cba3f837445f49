#include "app/ui/TipOfTheDayDlg.h"

#include "data/settings/ProgramFiles.h"
#include "data/storage/Cp1255.h"

#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStringDecoder>
#include <QVBoxLayout>

namespace {

// The tips are UTF-8; a tip saved by an older editor in the Hebrew code page still reads.
QString DecodeLine(const QByteArray& line)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(line);
    return utf8.hasError() ? Cp1255::Decode(line) : text;
}

}

CTipOfTheDayDlg::CTipOfTheDayDlg(const QString& folder, int item, QWidget* parent)
    : QDialog(parent)
    , m_folder(folder)
    , m_item(item < 1 ? 1 : item)
{
    setWindowTitle(QStringLiteral("טיפ יומי"));
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon::fromTheme(QStringLiteral("dialog-information")).pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    auto* heading = new QLabel(QStringLiteral("הידעתם?"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    heading->setFont(bold);

    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("tip"));
    m_text->setTextFormat(Qt::RichText);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignTop | Qt::AlignLeading);
    QFont sans(QStringLiteral("Noto Sans Hebrew"));
    sans.setPointSizeF(m_text->font().pointSizeF());
    m_text->setFont(sans);
    // Room for the longest tip without the window changing size from tip to tip.
    const QFontMetrics metrics(sans);
    m_text->setMinimumSize(metrics.averageCharWidth() * 55, metrics.lineSpacing() * 8);

    m_showAtStart = new QCheckBox(QStringLiteral("הצג טיפים בהפעלת התוכנה"), this);
    m_showAtStart->setChecked(true);
    auto* next = new QPushButton(QStringLiteral("הטיפ הבא"), this);
    next->setObjectName(QStringLiteral("next"));
    auto* close = new QPushButton(QStringLiteral("סגור"), this);
    close->setDefault(true);
    connect(next, &QPushButton::clicked, this, &CTipOfTheDayDlg::ShowNextTip);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* body = new QVBoxLayout;
    body->addWidget(heading);
    body->addWidget(m_text, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(body, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_showAtStart);
    buttons->addStretch();
    buttons->addWidget(next);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    ShowNextTip();
}

QString CTipOfTheDayDlg::TipsFolder()
{
    return ProgramFiles::Locate(QStringLiteral("Tips"));
}

QString CTipOfTheDayDlg::TipPath(int item) const
{
    return m_folder + QLatin1Char('/') + QString::number(item) + QStringLiteral(".txt");
}

bool CTipOfTheDayDlg::ShowAtStart() const
{
    return m_showAtStart->isChecked();
}

void CTipOfTheDayDlg::ShowNextTip()
{
    const int shown = m_item;
    ++m_item;
    if (!QFile::exists(TipPath(m_item)))
        m_item = 1;
    QStringList lines;
    QFile file(TipPath(shown));
    if (file.open(QIODevice::ReadOnly)) {
        while (!file.atEnd()) {
            QByteArray line = file.readLine();
            while (line.endsWith('\n') || line.endsWith('\r'))
                line.chop(1);
            lines << DecodeLine(line);
        }
    }
    m_tipText = lines.join(QLatin1Char('\n'));
    // One block per line: a line break inside wrapped right-to-left text would indent the next line.
    QString html;
    for (const QString& line : std::as_const(lines))
        html += QStringLiteral("<div>%1</div>").arg(line.toHtmlEscaped());
    m_text->setText(html);
}
