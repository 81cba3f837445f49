#include "guests/ui/GuestFilterBar.h"

#include "guests/core/GuestTexts.h"

#include "controls/MarkupTooltip.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString Tip(const QString& title, const QString& text)
{
    return CMarkupTooltip::ToHtml(QStringLiteral("<al_c><ct=0xFF0000><b>") + title +
                                  QStringLiteral("</b><ct=0x00C000><br><hr=100%><br></ct><al_r>") + text);
}

}

CGuestFilterBar::CGuestFilterBar(QWidget* parent)
    : QWidget(parent)
{
    m_group = new QComboBox(this);
    m_group->addItem(GuestTexts::Any());
    m_group->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_group->setMinimumContentsLength(12);
    m_relation = new QComboBox(this);
    m_relation->addItem(GuestTexts::Any());
    m_relation->addItems(GuestTexts::Relations());
    m_status = new QComboBox(this);
    m_status->addItems({GuestTexts::Any(), QStringLiteral("אישרו"), QStringLiteral("לא באים"), QStringLiteral("לא ידוע")});
    m_firstNames = new QLineEdit(this);
    m_familyName = new QLineEdit(this);
    m_reset = new QPushButton(QStringLiteral("נקה סינון"), this);

    m_group->setToolTip(Tip(QStringLiteral("סינון לפי קבוצה"), QStringLiteral("הצג רק את המוזמנים של הקבוצה שנבחרה")));
    m_relation->setToolTip(Tip(QStringLiteral("סינון לפי שיכות"), QStringLiteral("הצג רק את מוזמני הכלה, החתן או המשותפים")));
    m_status->setToolTip(Tip(QStringLiteral("סינון לפי מצב"), QStringLiteral("הצג רק מוזמנים שאישרו, שלא באים או שמצבם לא ידוע")));
    m_firstNames->setToolTip(Tip(QStringLiteral("סינון לפי שם פרטי"), QStringLiteral("הצג רק מוזמנים ששמם הפרטי מתחיל באותיות שהוקלדו")));
    m_familyName->setToolTip(Tip(QStringLiteral("סינון לפי שם משפחה"), QStringLiteral("הצג רק מוזמנים ששם משפחתם מתחיל באותיות שהוקלדו")));
    m_reset->setToolTip(Tip(QStringLiteral("ניקוי הסינון"), QStringLiteral("הצג שוב את כל המוזמנים")));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char*, QWidget*> fields[] = {{"קבוצה:", m_group},       {"שיכות:", m_relation},
                                                       {"מצב:", m_status},        {"שם פרטי:", m_firstNames},
                                                       {"שם משפחה:", m_familyName}};
    for (const auto& [label, field] : fields) {
        layout->addWidget(new QLabel(QString::fromUtf8(label), this));
        layout->addWidget(field, field == m_group ? 2 : 1);
    }
    layout->addWidget(m_reset);

    auto changed = [this] {
        if (!m_quiet)
            emit Changed();
    };
    for (QComboBox* combo : {m_group, m_relation, m_status})
        connect(combo, &QComboBox::currentIndexChanged, this, changed);
    for (QLineEdit* edit : {m_firstNames, m_familyName})
        connect(edit, &QLineEdit::textChanged, this, changed);
    connect(m_reset, &QPushButton::clicked, this, [this] {
        Reset();
        emit Changed();
    });
}

CGuestListFilter CGuestFilterBar::Filter() const
{
    CGuestListFilter filter;
    if (m_group->currentIndex() > 0)
        filter.group = m_group->currentText();
    if (m_relation->currentIndex() > 0)
        filter.relation = m_relation->currentText();
    filter.firstNames = m_firstNames->text();
    filter.familyName = m_familyName->text();
    filter.status = qMax(0, m_status->currentIndex());
    return filter;
}

void CGuestFilterBar::Reset()
{
    m_quiet = true;
    m_firstNames->clear();
    m_familyName->clear();
    m_status->setCurrentIndex(0);
    m_group->setCurrentIndex(0);
    m_relation->setCurrentIndex(0);
    m_quiet = false;
}

void CGuestFilterBar::SetGroups(const QStringList& groups)
{
    const QString chosen = m_group->currentIndex() > 0 ? m_group->currentText() : QString();
    m_quiet = true;
    m_group->clear();
    m_group->addItem(GuestTexts::Any());
    m_group->addItems(groups);
    m_group->setCurrentIndex(qMax(0, m_group->findText(chosen)));
    m_quiet = false;
    if (!chosen.isEmpty() && m_group->currentIndex() == 0)
        emit Changed();
}
