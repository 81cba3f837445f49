#pragma once

class CGroup;
class CGuest;

// Receives the guests and groups of an event data file instead of the record lists (the guest
// import). The other records of the file still go to the lists the reader was given.
class IXmlImportSink
{
public:
    virtual ~IXmlImportSink() = default;

    // At the guest's start tag: the sink owns the guest from here on and keeps it at least until
    // GuestComplete, while the reader fills in its fields.
    virtual void TakeNewGuest(CGuest* guest) = 0;
    // At the group's start tag: the sink owns the group and keeps it at least until its end tag.
    virtual void TakeNewGroup(CGroup* group) = 0;
    // At the guest's end tag, with every field read and its flags cleared; the reader does not
    // touch the guest after this call, so the sink may delete it here.
    virtual void GuestComplete(CGuest* guest) = 0;
    // Once, after a file read without a fatal error.
    virtual void FileDone() = 0;
};
