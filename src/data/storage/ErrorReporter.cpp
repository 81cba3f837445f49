#include "data/storage/ErrorReporter.h"

#include "data/storage/XmlParser.h"

#include <QLoggingCategory>
#include <QString>

#include <xercesc/sax/SAXParseException.hpp>

namespace {
Q_LOGGING_CATEGORY(lcXmlErrors, "WEDDING - CErrorReporter")
}

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
    qCWarning(lcXmlErrors).noquote() << QStringLiteral("fatalError: line %1, column %2: %3")
                                            .arg(exception.getLineNumber())
                                            .arg(exception.getColumnNumber())
                                            .arg(QString::fromUtf16(exception.getMessage()));
    m_parser.SetFatalError();
}

void CErrorReporter::resetErrors()
{
    m_parser.ResetErrors();
}
