#pragma once

class CGenericView;
class CNewZelDoc;

// What the application object needs of the window that holds the pages: the event and the page
// shown, so that the quick actions and the update check reach them without knowing the window.
class IPageHost
{
public:
    virtual ~IPageHost() = default;

    virtual CNewZelDoc& Document() const = 0;
    virtual bool ShowPage(int position) = 0;
    virtual int ActivePosition() const = 0;
    virtual CGenericView* ActiveView() const = 0;
};
