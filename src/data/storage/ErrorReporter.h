#pragma once

#include <QString>

#include <xercesc/sax/ErrorHandler.hpp>

// The error handler of the event data file's reader: warnings and recoverable errors are ignored, a
// fatal error marks the read as failed.
class CErrorReporter : public xercesc::ErrorHandler
{
public:
    // What the reporter tells the reader it serves.
    class IReader
    {
    public:
        virtual ~IReader() = default;
        virtual void ReportFatalError(const QString& where) = 0;
        virtual void ResetErrors() = 0;
    };

    explicit CErrorReporter(IReader& reader);

    void warning(const xercesc::SAXParseException& exception) override;
    void error(const xercesc::SAXParseException& exception) override;
    void fatalError(const xercesc::SAXParseException& exception) override;
    void resetErrors() override;

private:
    IReader& m_reader;
};
