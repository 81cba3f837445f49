#pragma once

#include <QWidget>

class CHintObject;
class CNewZelDoc;

// The common base of the event's views, the pages of the main window. A view hears every change
// of the document as a numbered hint, hands its pending edits to the records before the event is
// written, and is offered every command first while it is the active page.
class CGenericView : public QWidget
{
    Q_OBJECT

public:
    CGenericView(CNewZelDoc& document, QWidget* parent = nullptr);

    CNewZelDoc& GetDocument() const { return m_document; }

    // A change of the document; sender is the view that made it, or null.
    virtual void OnUpdate(QObject* sender, int hint, CHintObject* object);
    // Hands edits still open in the view to the records.
    virtual void BeforeSave();
    // The page became the visible one.
    virtual void OnActivate();

    // Command routing: a view that handles a command says so, tells whether it is enabled now and
    // carries it out; anything it does not handle goes on to the document, the frame and the
    // application.
    virtual bool HandlesCommand(int commandId) const;
    virtual bool IsCommandEnabled(int commandId) const;
    virtual void OnCommand(int commandId);

    // Tool tips of the view and everything inside it; the program's "ShowTips" setting decides.
    void ShowToolTips(bool show);
    bool ToolTipsShown() const { return m_showTips; }

signals:
    // A button of the page asks for a command of the menu (the calculator, the dollar rate), which
    // the window routes as if the menu had sent it.
    void CommandRequested(int commandId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FollowSetting(QObject* sender, int hint, CHintObject* object);

    CNewZelDoc& m_document;
    bool m_showTips = true;
};
