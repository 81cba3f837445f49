#pragma once

#include <QString>

class CNewZelDoc;

// The transport report: the five transports with the guests who ride each.
namespace TransportReport {

constexpr int kTransports = 5;

// The name of transport 1 to 5; the first two are the bride's and the groom's at a wedding.
QString Name(int transport, int eventType);
QString Html(CNewZelDoc& document);

}
