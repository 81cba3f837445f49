#pragma once

#include "textoracom/EventLog.h"

#include <QString>

// The process-wide state of the server library: how many objects and locks keep it loaded, and
// where its file lies.
namespace ServerModule {

void ObjectCreated();
void ObjectDestroyed();
void Lock(bool lock);
bool CanUnload();

// The absolute path of the file this code was loaded from.
QString LibraryPath();
// TextoraCom.ini in the library's folder.
QString SettingsFile();
IEventLog& EventLog();

}
