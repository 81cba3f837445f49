#include "seating/ui/NewShapeDlg.h"

#include "controls/DialogHelpers.h"
#include "seating/core/SketchGeometry.h"
#include "seating/ui/ShapePainter.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The fields take any number so that one out of range is told, not silently cut.
constexpr int kFieldMax = 99999;

}

const QStringList& CNewShapeDlg::ReadyNames()
{
    static const QStringList names = {
        QStringLiteral("חופה"),           QStringLiteral("בר"),           QStringLiteral("במה"),
        QStringLiteral("רחבת ריקודים"),   QStringLiteral("רמקול"),        QStringLiteral("אזור קבלת פנים"),
        QStringLiteral("דלפק קבלת פנים"), QStringLiteral("עציץ"),         QStringLiteral("עץ"),
        QStringLiteral("שרותים"),         QStringLiteral("חדר חתן כלה"),  QStringLiteral("משרדים"),
        QStringLiteral("אזור ישיבה"),     QStringLiteral("אזור עבור הלהקה"), QStringLiteral("פינת זולה"),
    };
    return names;
}

CNewShapeDlg::CNewShapeDlg(const Values& values, bool canChangeKind, IUserMessages* messages, QWidget* parent)
    : QDialog(parent)
    , m_messages(messages)
    , m_color(values.details.color)
    , m_chooseColor([this](const QColor& initial) { return QColorDialog::getColor(initial, this); })
{
    setWindowTitle(QStringLiteral("פרטים"));
    m_text = new QPlainTextEdit(values.details.text, this);
    m_text->setTabChangesFocus(true);
    m_ready = new QListWidget(this);
    m_ready->addItems(ReadyNames());
    connect(m_ready, &QListWidget::currentTextChanged, this, [this](const QString& name) {
        if (!name.isEmpty())
            m_text->setPlainText(name);
    });
    m_height = new QSpinBox(this);
    m_height->setRange(0, kFieldMax);
    m_height->setValue(values.details.height);
    m_width = new QSpinBox(this);
    m_width->setRange(0, kFieldMax);
    m_width->setValue(values.details.width);
    m_kind = new QComboBox(this);
    m_kind->addItems({QStringLiteral("מלבן"), QStringLiteral("עיגול"), QStringLiteral("רמקול")});
    m_kind->setCurrentIndex(qBound(0, values.kind - 1, 2));
    m_kind->setEnabled(canChangeKind);
    m_class = new QLineEdit(values.details.shapeClass, this);
    m_colorButton = new QPushButton(QStringLiteral("צבע ..."), this);
    m_swatch = new QLabel(this);
    m_swatch->setFixedSize(40, 20);
    m_swatch->setAutoFillBackground(true);
    connect(m_colorButton, &QPushButton::clicked, this, [this] {
        const QColor chosen = m_chooseColor(CShapePainter::FromColorRef(m_color));
        if (chosen.isValid()) {
            m_color = CShapePainter::ToColorRef(chosen);
            ShowColor();
        }
    });
    ShowColor();
    m_allOfKind = new QCheckBox(QStringLiteral("בצע עבור כל הצורות מאותו הסוג"), this);
    m_allOfKind->setChecked(values.allOfKind);

    auto* sizes = new QFormLayout;
    sizes->addRow(QStringLiteral("גובה:"), m_height);
    sizes->addRow(QStringLiteral("רוחב:"), m_width);
    sizes->addRow(QStringLiteral("צורה"), m_kind);
    sizes->addRow(QStringLiteral("סוג:"), m_class);
    auto* color = new QHBoxLayout;
    color->addWidget(m_colorButton);
    color->addWidget(m_swatch);
    color->addStretch();
    sizes->addRow(color);

    auto* texts = new QVBoxLayout;
    texts->addWidget(new QLabel(QStringLiteral("מלל המתאר את הצורה:"), this));
    texts->addWidget(m_text);
    texts->addWidget(new QLabel(QStringLiteral("רשימת צורות לבחירה:"), this));
    texts->addWidget(m_ready);

    auto* columns = new QHBoxLayout;
    columns->addLayout(texts, 3);
    columns->addLayout(sizes, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(m_allOfKind);
    layout->addWidget(DialogHelpers::OkCancel(this));
}

void CNewShapeDlg::ShowColor()
{
    QPalette swatch = m_swatch->palette();
    swatch.setColor(QPalette::Window, CShapePainter::FromColorRef(m_color));
    m_swatch->setPalette(swatch);
}

CNewShapeDlg::Values CNewShapeDlg::GetValues() const
{
    Values values;
    values.kind = m_kind->currentIndex() + 1;
    values.details.text = m_text->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    values.details.width = m_width->value();
    values.details.height = m_height->value();
    values.details.color = m_color;
    values.details.shapeClass = m_class->text().trimmed();
    values.allOfKind = m_allOfKind->isChecked();
    return values;
}

void CNewShapeDlg::accept()
{
    for (QSpinBox* field : {m_height, m_width})
        if (!DialogHelpers::CheckRange(m_messages, field, CSketchGeometry::kMinSize, CSketchGeometry::kMaxSize))
            return;
    QDialog::accept();
}
