#pragma once

class CNewZelDoc;

// The work of other parts of the program that the document starts at fixed points of loading and
// saving: sharing the event on the FTP server and the background check for updates and approvals.
// Each does nothing until the program plugs in the real service.
class IEventServices
{
public:
    virtual ~IEventServices() = default;

    virtual void DownloadEvent(CNewZelDoc&) {}
    virtual void UploadEvent(CNewZelDoc&) {}
    virtual void StartBackgroundCheck(CNewZelDoc&) {}
};
