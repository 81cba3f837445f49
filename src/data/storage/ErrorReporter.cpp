#include "data/storage/ErrorReporter.h"

#include <xercesc/sax/SAXParseException.hpp>

CErrorReporter::CErrorReporter(IReader& reader)
    : m_reader(reader)
{
}

void CErrorReporter::warning(const xercesc::SAXParseException&)
{
}

void CErrorReporter::error(const xercesc::SAXParseException&)
{
}

void CErrorReporter::fatalError(const xercesc::SAXParseException& exception)
{
    m_reader.ReportFatalError(QStringLiteral("line %1, column %2: %3")
                               .arg(exception.getLineNumber())
                               .arg(exception.getColumnNumber())
                               .arg(QString::fromUtf16(exception.getMessage())));
}

void CErrorReporter::resetErrors()
{
    m_reader.ResetErrors();
}
