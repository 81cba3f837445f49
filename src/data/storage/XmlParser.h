#pragma once

#include "data/records/Shape.h"
#include "data/storage/ErrorReporter.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QStringView>

#include <xercesc/sax/HandlerBase.hpp>

#include <string>
#include <vector>

class CCategory;
class CEventRecords;
class CExpence;
class CGroup;
class CGuest;
class CMeeting;
class COffer;
class CPayment;
class CSettings;
class CTable;
class IRecordOwner;
class IXmlImportSink;

// Reads an event data file into the record lists through the SAX parser. Element names match
// without regard to case; a field's text is gathered over all the chunks the parser delivers and
// stored, trimmed, at the field's end tag. A damaged spot is reported and read past: the records
// before and after it stay in the lists. A file that declares entities is refused.
class CXmlParser : public xercesc::HandlerBase, public CErrorReporter::IReader
{
public:
    // The result of a read that met a fatal error.
    static constexpr long kFailed = 0x80004005L;

    // Guests are constructed with the settings and the owner, groups and tables with the owner.
    CXmlParser(CEventRecords& records, CSettings* settings, IRecordOwner* owner);
    ~CXmlParser() override;
    CXmlParser(const CXmlParser&) = delete;
    CXmlParser& operator=(const CXmlParser&) = delete;

    // 0, or kFailed when the file could not be read or held a fatal error. With a sink, guests and
    // groups go to the sink instead of the lists.
    long Parse(const QString& path, IXmlImportSink* sink = nullptr);
    // The same over the bytes of a file already in memory.
    long ParseData(const QByteArray& data, IXmlImportSink* sink = nullptr);

    // The error reporter's side: a fatal error marks the read as failed; reading goes on past it
    // until too many errors or too much time end the read.
    void ReportFatalError(const QString& where) override;
    void ResetErrors() override;

    void startElement(const XMLCh* const name, xercesc::AttributeList& attributes) override;
    void endElement(const XMLCh* const name) override;
    void characters(const XMLCh* const chars, const XMLSize_t length) override;
    // External entities and DTDs read as empty: the data file needs none, and a file must not make
    // the reader open other files or the network.
    xercesc::InputSource* resolveEntity(const XMLCh* const publicId, const XMLCh* const systemId) override;

    enum class Element : unsigned char;

private:
    // The fields of a shape: its kind may come last, so the shape is made at its end tag.
    struct PendingShape
    {
        bool open = false;
        int kind = 0;
        QString name;
        int color = CShape::kDefaultColor;
        QString shapeClass;
        CShape::Area area;
    };

    void Begin(IXmlImportSink* sink);
    void Run(const QByteArray& bytes);
    // Ends the read when it has taken too long.
    void CheckTime() const;
    void StartRecord(Element element, xercesc::AttributeList& attributes);
    void EndRecord(Element element);
    bool HasRecordFor(Element field) const;
    void ApplyField(Element field, QStringView text);
    void ApplyGuestField(Element field, QStringView text);
    void ApplyExpenseField(Element field, QStringView text);
    void ApplyPaymentField(Element field, QStringView text);
    void ApplyTableField(Element field, QStringView text);
    void ApplyMeetingField(Element field, QStringView text);
    void ApplyOfferField(Element field, QStringView text);
    void ApplyShapeField(Element field, QStringView text);
    void FinishShape();

    CEventRecords& m_records;
    CSettings* m_settings;
    IRecordOwner* m_owner;
    IXmlImportSink* m_sink = nullptr;
    bool m_initialized = false;

    bool m_fatalError = false;
    int m_errors = 0;
    QElapsedTimer m_clock;
    // The elements open at the moment, known ones by their name.
    std::vector<Element> m_open;

    CGuest* m_guest = nullptr;
    CExpence* m_expense = nullptr;
    CPayment* m_payment = nullptr;
    CTable* m_table = nullptr;
    CGroup* m_group = nullptr;
    CMeeting* m_meeting = nullptr;
    CCategory* m_category = nullptr;
    COffer* m_offer = nullptr;
    PendingShape m_shape;

    // The field being read and its text so far.
    Element m_field;
    std::u16string m_text;
};
