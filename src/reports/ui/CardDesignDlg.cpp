#include "reports/ui/CardDesignDlg.h"

#include "data/document/NewZelDoc.h"
#include "data/settings/Language.h"
#include "reports/core/CardStyle.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QString SampleName()
{
    return Language::IsEnglish() ? QStringLiteral("The Smith family") : QStringLiteral("משפחת ישראלי");
}

QString SampleAddress()
{
    return Language::IsEnglish() ? QStringLiteral("5 Fig Tree Street, Springfield") : QStringLiteral("רחוב התאנה  5 , תל אביב");
}

QString SampleTable()
{
    return Language::IsEnglish() ? QStringLiteral("Table Number") : QStringLiteral("<מספר השולחן בא כאן>");
}

}

CCardDesignDlg::CCardDesignDlg(CNewZelDoc& document, CardReport::Kind kind, const QString& title, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_kind(kind)
    , m_design(CardReport::StoredDesign(document.Settings(), kind))
{
    setWindowTitle(title);
    const CSettings::CardLayout& layout = m_design.layout;
    auto* form = new QFormLayout;
    m_line1 = AddLine(*form, QStringLiteral("שורה 1"), layout.line1);
    m_line2 = AddLine(*form, QStringLiteral("שורה 2"), layout.line2);
    form->addRow(QStringLiteral("שמות"), new QLabel(SampleName(), this));
    if (kind == CardReport::Kind::TableCards) {
        m_line4Start = new QLineEdit(layout.line4Start, this);
        m_line4End = new QLineEdit(layout.line4End, this);
        auto* line4 = new QHBoxLayout;
        line4->addWidget(m_line4Start);
        line4->addWidget(new QLabel(SampleTable(), this));
        line4->addWidget(m_line4End);
        form->addRow(QStringLiteral("שורה 4"), line4);
        connect(m_line4Start, &QLineEdit::textChanged, this, &CCardDesignDlg::Rebuild);
        connect(m_line4End, &QLineEdit::textChanged, this, &CCardDesignDlg::Rebuild);
    } else {
        form->addRow(QStringLiteral("כתובת"), new QLabel(SampleAddress(), this));
    }
    m_line5 = AddLine(*form, QStringLiteral("שורה 5"), layout.line5);

    m_height = new QSpinBox(this);
    m_height->setRange(100, 400);
    m_height->setValue(layout.height);
    form->addRow(QStringLiteral("גובה מינימלי:"), m_height);
    m_width = new QSpinBox(this);
    m_width->setRange(150, 400);
    m_width->setValue(layout.width);
    form->addRow(QStringLiteral("רוחב:"), m_width);
    m_borderSize = new QComboBox(this);
    for (int size = 0; size <= 10; ++size)
        m_borderSize->addItem(QString::number(size), size);
    m_borderSize->setCurrentIndex(m_borderSize->findData(layout.borderSize));
    form->addRow(QStringLiteral("רוחב מסגרת:"), m_borderSize);
    m_borderColor = new QComboBox(this);
    const QStringList names = CardStyle::ColorNames();
    const QStringList hebrew = CardStyle::HebrewColorNames();
    for (qsizetype i = 0; i < names.size(); ++i)
        m_borderColor->addItem(hebrew.at(i), names.at(i));
    // A stored colour the list does not know selects nothing.
    m_borderColor->setCurrentIndex(m_borderColor->findData(layout.borderColor));
    form->addRow(QStringLiteral("צבע מסגרת:"), m_borderColor);
    auto* fontRow = new QHBoxLayout;
    auto* chooseFont = new QPushButton(QStringLiteral("בחר גופן"), this);
    m_font = new QLabel(this);
    fontRow->addWidget(chooseFont);
    fontRow->addWidget(m_font, 1);
    form->addRow(fontRow);
    ShowFont();

    m_preview = new QTextBrowser(this);
    m_preview->setMinimumSize(320, 240);
    auto* previewColumn = new QVBoxLayout;
    previewColumn->addWidget(new QLabel(QStringLiteral("תצוגה מקדימה:"), this));
    previewColumn->addWidget(m_preview, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(form);
    body->addLayout(previewColumn, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(body, 1);
    outer->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(chooseFont, &QPushButton::clicked, this, &CCardDesignDlg::ChooseFont);
    connect(m_height, &QSpinBox::valueChanged, this, &CCardDesignDlg::Rebuild);
    connect(m_width, &QSpinBox::valueChanged, this, &CCardDesignDlg::Rebuild);
    connect(m_borderSize, &QComboBox::currentIndexChanged, this, &CCardDesignDlg::Rebuild);
    connect(m_borderColor, &QComboBox::currentIndexChanged, this, &CCardDesignDlg::Rebuild);
    Rebuild();
}

QLineEdit* CCardDesignDlg::AddLine(QFormLayout& form, const QString& label, const QString& text)
{
    auto* edit = new QLineEdit(text, this);
    form.addRow(label, edit);
    connect(edit, &QLineEdit::textChanged, this, &CCardDesignDlg::Rebuild);
    return edit;
}

CardReport::Design CCardDesignDlg::CurrentDesign() const
{
    CardReport::Design design = m_design;
    CSettings::CardLayout& layout = design.layout;
    layout.line1 = m_line1->text();
    layout.line2 = m_line2->text();
    layout.line5 = m_line5->text();
    if (m_line4Start) {
        layout.line4Start = m_line4Start->text();
        layout.line4End = m_line4End->text();
    }
    layout.height = m_height->value();
    layout.width = m_width->value();
    if (m_borderSize->currentIndex() >= 0)
        layout.borderSize = m_borderSize->currentData().toInt();
    if (m_borderColor->currentIndex() >= 0)
        layout.borderColor = m_borderColor->currentData().toString();
    return design;
}

QString CCardDesignDlg::PreviewHtml() const
{
    const CardReport::Design design = CurrentDesign();
    const QString card = m_kind == CardReport::Kind::TableCards
                           ? CardReport::TableCard(design.layout, SampleName(), QStringLiteral("12"))
                           : CardReport::AddressLabel(design.layout, SampleName(), SampleAddress());
    return CardReport::Page(design, m_kind, {card}, 1, 1, false);
}

void CCardDesignDlg::Rebuild()
{
    if (m_preview)
        m_preview->setHtml(PreviewHtml());
}

void CCardDesignDlg::ChooseFont()
{
    QFont current(m_design.fontFace);
    current.setPixelSize(CardStyle::FontSize(m_design.fontSize));
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, current, this, QStringLiteral("בחר גופן"));
    if (!chosen)
        return;
    m_design.fontFace = font.family();
    m_design.fontSize = font.pixelSize() > 0 ? font.pixelSize() : font.pointSize();
    ShowFont();
    Rebuild();
}

void CCardDesignDlg::ShowFont()
{
    m_font->setText(CardStyle::FontFace(m_design.fontFace) + QStringLiteral(", ")
                    + QString::number(CardStyle::FontSize(m_design.fontSize)));
}

void CCardDesignDlg::accept()
{
    CardReport::StoreDesign(m_document.Settings(), m_kind, CurrentDesign());
    QDialog::accept();
}
