#pragma once

#include <QtGlobal>

// A port on 127.0.0.1 that nothing listened on when asked: for servers the test starts, and for
// a server that is not there.
quint16 UnusedLoopbackPort();
// Whether something accepts connections on the port.
bool LoopbackAccepts(quint16 port);
