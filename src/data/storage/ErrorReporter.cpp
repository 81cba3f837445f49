#include "data/storage/ErrorReporter.h"

#include "data/storage/XmlParser.h"

#include <QString>

#include <xercesc/sax/SAXParseException.hpp>

CErrorReporter::CErrorReporter(CXmlParser& parser)
    : m_parser(parser)
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
    m_parser.ReportFatalError(QStringLiteral("line %1, column %2: %3")
                                  .arg(exception.getLineNumber())
                                  .arg(exception.getColumnNumber())
                                  .arg(QString::fromUtf16(exception.getMessage())));
}

void CErrorReporter::resetErrors()
{
    m_parser.ResetErrors();
}
