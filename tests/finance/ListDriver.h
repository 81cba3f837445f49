#pragma once

#include "controls/ListCtrlEx.h"

#include "ViewTestEvent.h"

#include <memory>

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

// Drives a list with in-place editing as a user does: a click on a cell, F2, typing and Enter.
namespace ListDriver {

inline void ClickCell(CListCtrlEx* list, int row, int column)
{
    const QModelIndex index = list->model()->index(row, column);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

// The text replaces the editor's; a rejected text leaves the editor open.
inline void TypeInto(CListCtrlEx* list, int row, int column, const QString& text)
{
    ClickCell(list, row, column);
    QTest::keyClick(list, Qt::Key_F2);
    ASSERT_TRUE(list->IsEditing());
    QLineEdit* line = list->Editor()->LineEdit();
    line->selectAll();
    QTest::keyClick(line, Qt::Key_Delete);
    QTest::keyClicks(line, text);
    QTest::keyClick(line, Qt::Key_Return);
}

}

// A page of the event shown in a window of its own, over a fresh event in the language asked for.
template <typename View>
class CViewTest : public ::testing::Test
{
protected:
    explicit CViewTest(UiLanguage language = UiLanguage::Hebrew)
        : m_event(language)
    {
    }

    void Show()
    {
        m_view = std::make_unique<View>(m_event.Doc());
        m_view->resize(1100, 700);
        m_view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_view.get()));
    }

    void ClickCell(int row, int column) { ListDriver::ClickCell(m_view->List(), row, column); }
    void TypeInto(int row, int column, const QString& text) { ListDriver::TypeInto(m_view->List(), row, column, text); }
    QString Cell(int row, int column) const { return m_view->List()->CellText(row, column); }

    CViewTestEvent m_event;
    std::unique_ptr<View> m_view;
};
