#pragma once

#include <QWidget>

class CGuest;
class CNewZelDoc;

// A page of the guest details in the guests view: it shows the guest selected in the list and
// writes every change of a field into the guest at once. Its tool tips are in the tool-tip markup.
class CGuestInfoTabBase : public QWidget
{
    Q_OBJECT

public:
    CGuestInfoTabBase(CNewZelDoc& document, QWidget* parent = nullptr);

    virtual QString Title() const = 0;
    // Loads every field from the guest; null empties the page.
    virtual void ShowGuest(CGuest* guest) = 0;
    // Whether the current guest may be left; a page that refuses tells the user why.
    virtual bool Validate() { return true; }
    CGuest* Guest() const { return m_guest; }

signals:
    // A field that the guest list shows changed.
    void GuestEdited(CGuest* guest);

protected:
    // Marks the event modified; listed says the change shows in the guest list.
    void Changed(bool listed);
    void SetTip(QWidget* widget, const QString& markup);

    CNewZelDoc& m_document;
    CGuest* m_guest = nullptr;
    // Set while the page loads a guest, so that the field handlers write nothing back.
    bool m_loading = false;
};
