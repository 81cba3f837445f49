#pragma once

#include "data/document/NewZelDoc.h"
#include "data/storage/DataLocation.h"

#include <QTemporaryDir>

// A fresh event in a scratch data folder, with no question ever answered; closing it writes nothing.
struct CScratchEvent
{
    CScratchEvent()
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
