#pragma once

#include "data/document/NewZelDoc.h"
#include "data/storage/DataLocation.h"

#include <QTemporaryDir>

// A fresh event in a scratch data folder that is never written back, with no question ever
// answered.
struct ScratchEvent
{
    ScratchEvent()
        : location(dir.path())
        , document(location, nullptr)
    {
        document.DiscardOnClose();
        document.LoadEvent();
    }

    QTemporaryDir dir;
    CDataLocation location;
    CNewZelDoc document;
};
