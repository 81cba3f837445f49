#include "controls/DialogHelpers.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPixmap>
#include <QProxyStyle>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// A desktop whose dialog buttons carry pictures, as most real desktops do.
class CPictureButtonsStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* answer) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, answer);
    }
    QIcon standardIcon(StandardPixmap, const QStyleOption*, const QWidget*) const override
    {
        QPixmap picture(16, 16);
        picture.fill(Qt::darkGreen);
        return QIcon(picture);
    }
};

}

TEST(DialogHelpers, OkAndCancelShowTheirWordsWithoutAPicture)
{
    const QString usual = QApplication::style()->name();
    QApplication::setStyle(new CPictureButtonsStyle);
    QDialog dialog;
    dialog.setLayoutDirection(Qt::RightToLeft);
    QDialogButtonBox* buttons = DialogHelpers::OkCancel(&dialog);
    ASSERT_EQ(buttons->buttons().size(), 2);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Ok)->text(), QStringLiteral("אישור"));
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("ביטול"));
    for (QAbstractButton* button : buttons->buttons())
        EXPECT_TRUE(button->icon().isNull()) << button->text().toStdString();
    QApplication::setStyle(usual);
}
