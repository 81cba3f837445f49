#pragma once

#include <xercesc/sax/ErrorHandler.hpp>

class CXmlParser;

// The error handler of the event data file's reader: warnings and recoverable errors are ignored, a
// fatal error marks the read as failed.
class CErrorReporter : public xercesc::ErrorHandler
{
public:
    explicit CErrorReporter(CXmlParser& parser);

    void warning(const xercesc::SAXParseException& exception) override;
    void error(const xercesc::SAXParseException& exception) override;
    void fatalError(const xercesc::SAXParseException& exception) override;
    void resetErrors() override;

private:
    CXmlParser& m_parser;
};
