#pragma once

#include "guests/core/GuestEdits.h"

#include <QWidget>

class CGuest;
class CNewZelDoc;

// A page of the guest details in the guests view: it shows the guest selected in the list and
// writes every change of a field into the guest at once. Its tool tips are in the tool-tip markup.
class CGuestInfoTabBase : public QWidget
{
    Q_OBJECT

public:
    // The view is the parent: the edits of its pages are the view's own.
    CGuestInfoTabBase(CNewZelDoc& document, QWidget* view);

    virtual QString Title() const = 0;
    // Loads every field from the guest; null empties the page.
    virtual void ShowGuest(CGuest* guest) = 0;
    // Whether the current guest may be left; a page that refuses tells the user why.
    virtual bool Validate() { return true; }
    CGuest* Guest() const { return m_guest; }

signals:
    // A field that the guest list shows changed.
    void GuestEdited(CGuest* guest);
    // The page's SMS button was pressed.
    void SmsRequested();

protected:
    // The edits of the shown guest, in the name of the view.
    CGuestEdits Edits() const { return CGuestEdits(m_document, m_view); }
    // Writes a plain field of the shown guest unless the page is loading it; listed says the guest
    // list shows the field.
    template <typename Change>
    void Edit(Change change, bool listed)
    {
        if (m_guest && !m_loading && Edits().Edit(*m_guest, change))
            Changed(listed);
    }
    // After an edit: tells the view when the guest list shows the field.
    void Changed(bool listed);
    void SetTip(QWidget* widget, const QString& markup);

    CNewZelDoc& m_document;
    QObject* m_view;
    CGuest* m_guest = nullptr;
    // Set while the page loads a guest, so that the field handlers write nothing back.
    bool m_loading = false;
};
