#include "data/storage/XmlParser.h"

#include "data/records/Category.h"
#include "data/storage/ErrorReporter.h"
#include "data/records/EventRecords.h"
#include "data/records/Expence.h"
#include "data/records/Group.h"
#include "data/records/Guest.h"
#include "data/records/Meeting.h"
#include "data/records/Offer.h"
#include "data/records/ShapeFactory.h"
#include "data/records/Table.h"
#include "data/storage/XmlImportSink.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>

#include <algorithm>

#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/parsers/SAXParser.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/SecurityManager.hpp>
#include <xercesc/util/XMLException.hpp>

#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>

using Element = CXmlParser::Element;

// Record elements first, then the fields of each record kind in one block per kind: a field's
// record is found by the block it lies in.
enum class CXmlParser::Element : unsigned char {
    None,
    Guest,
    Expence,
    Payment,
    Table,
    Group,
    Meeting,
    Category,
    Offer,
    Shape,

    UniqueId,
    Info,
    TableOrder,
    NumOfKids,
    KidSeat,
    Coming,
    Invited,
    InvNumber,
    InvSent,
    ApproveStat,
    DollarsGift,
    SekelsGift,
    GiftInfo,
    Gift,
    Address,
    GPhone,
    MoPhone,
    SmsCount,
    GGroup,
    GRelation,
    FamilyName,
    GsName,
    EMail,
    Transportation,
    Restricted,
    ThatCame,

    ExpName,
    ExpInfo,
    ExpDollar,
    ExpShekel,
    ExpPayer,
    ExpPaid,
    ExpCat,

    PDollar,
    PShekel,
    PPaid,
    PDate,
    PInfo,

    TName,
    TSeats,
    TNumHall,
    TClass,
    TCordX,
    TCordY,
    TWidth,
    THeight,
    TColor,
    TdStyle,

    GrName,

    MName,
    MInfo,
    MContactJob,
    MContactAdd,
    MContactPhone,
    MContactName,
    MYear,
    MMonth,
    MDay,

    CName,

    OName,
    OInfo,
    OShekel,
    OCategory,
    OInOffer1,
    OInOffer2,
    OInOffer3,
    OGuestForOffer,
    OIsPerGuest,

    SType,
    SpName,
    SColor,
    SClass,
    SLocX,
    SLocY,
    SSizeX,
    SSizeY,
};

namespace {

Q_LOGGING_CATEGORY(lcXml, "WEDDING - CXmlParser")

// The data file nests five deep; a file nesting deeper than this is no data file, and the parser's
// memory grows with every open element.
constexpr int kMaxDepth = 256;
// Far above any event; a larger file is not read into memory at all.
constexpr qint64 kMaxFileSize = qint64(256) * 1024 * 1024;
// Reading goes on past a damaged spot; a file that is damaged all over is given up after this many
// errors or this much time, whatever was read by then kept.
constexpr int kMaxErrors = 1000;
constexpr int kLoggedErrors = 10;
constexpr qint64 kMaxReadMilliseconds = 20000;
// No field of an event comes near this; a longer text keeps its first part (characters).
constexpr size_t kMaxTextLength = 1024 * 1024;
// The parser hands plain character data over in pieces of at most this size.
constexpr XMLSize_t kCharacterChunk = 64 * 1024;

bool InRange(Element element, Element first, Element last)
{
    return element >= first && element <= last;
}

bool IsRecord(Element element)
{
    return InRange(element, Element::Guest, Element::Shape);
}

// The record kind a field belongs to.
Element RecordOf(Element field)
{
    struct Block
    {
        Element first;
        Element last;
        Element record;
    };
    static constexpr Block kBlocks[] = {
        {Element::UniqueId, Element::ThatCame, Element::Guest},
        {Element::ExpName, Element::ExpCat, Element::Expence},
        {Element::PDollar, Element::PInfo, Element::Payment},
        {Element::TName, Element::TdStyle, Element::Table},
        {Element::GrName, Element::GrName, Element::Group},
        {Element::MName, Element::MDay, Element::Meeting},
        {Element::CName, Element::CName, Element::Category},
        {Element::OName, Element::OIsPerGuest, Element::Offer},
        {Element::SType, Element::SSizeY, Element::Shape},
    };
    for (const Block& block : kBlocks) {
        if (InRange(field, block.first, block.last))
            return block.record;
    }
    return Element::None;
}

struct ElementName
{
    const char* name;
    Element element;
};

// Lower-case names: element names match without regard to case.
constexpr ElementName kElementNames[] = {
    {"guest", Element::Guest},
    {"expence", Element::Expence},
    {"payment", Element::Payment},
    {"table", Element::Table},
    {"group", Element::Group},
    {"meeting", Element::Meeting},
    {"category", Element::Category},
    {"offer", Element::Offer},
    {"shape", Element::Shape},
    {"uniqueid", Element::UniqueId},
    {"info", Element::Info},
    {"tableorder", Element::TableOrder},
    {"numofkids", Element::NumOfKids},
    {"kidseat", Element::KidSeat},
    {"coming", Element::Coming},
    {"invited", Element::Invited},
    {"invnumber", Element::InvNumber},
    {"invsent", Element::InvSent},
    {"approvestat", Element::ApproveStat},
    {"dollarsgift", Element::DollarsGift},
    {"sekelsgift", Element::SekelsGift},
    {"giftinfo", Element::GiftInfo},
    {"gift", Element::Gift},
    {"address", Element::Address},
    {"gphone", Element::GPhone},
    {"mophone", Element::MoPhone},
    {"smscount", Element::SmsCount},
    {"ggroup", Element::GGroup},
    {"grelation", Element::GRelation},
    {"familyname", Element::FamilyName},
    {"gsname", Element::GsName},
    {"email", Element::EMail},
    {"transportation", Element::Transportation},
    {"restricted", Element::Restricted},
    {"thatcame", Element::ThatCame},
    {"expname", Element::ExpName},
    {"expinfo", Element::ExpInfo},
    {"expdollar", Element::ExpDollar},
    {"expshekel", Element::ExpShekel},
    {"exppayer", Element::ExpPayer},
    {"exppaid", Element::ExpPaid},
    {"expcat", Element::ExpCat},
    {"pdollar", Element::PDollar},
    {"pshekel", Element::PShekel},
    {"ppaid", Element::PPaid},
    {"pdate", Element::PDate},
    {"pinfo", Element::PInfo},
    {"tname", Element::TName},
    {"tseats", Element::TSeats},
    {"tnumhall", Element::TNumHall},
    {"tclass", Element::TClass},
    {"tcordx", Element::TCordX},
    {"tcordy", Element::TCordY},
    {"twidth", Element::TWidth},
    {"theight", Element::THeight},
    {"tcolor", Element::TColor},
    {"tdstyle", Element::TdStyle},
    {"grname", Element::GrName},
    {"mname", Element::MName},
    {"minfo", Element::MInfo},
    {"mcontactjob", Element::MContactJob},
    {"mcontactadd", Element::MContactAdd},
    {"mcontactphone", Element::MContactPhone},
    {"mcontactname", Element::MContactName},
    {"myear", Element::MYear},
    {"mmonth", Element::MMonth},
    {"mday", Element::MDay},
    {"cname", Element::CName},
    {"oname", Element::OName},
    {"oinfo", Element::OInfo},
    {"oshekel", Element::OShekel},
    {"ocategory", Element::OCategory},
    {"oinoffer1", Element::OInOffer1},
    {"oinoffer2", Element::OInOffer2},
    {"oinoffer3", Element::OInOffer3},
    {"oguestforoffer", Element::OGuestForOffer},
    {"oisperguest", Element::OIsPerGuest},
    {"stype", Element::SType},
    {"spname", Element::SpName},
    {"scolor", Element::SColor},
    {"sclass", Element::SClass},
    {"slocx", Element::SLocX},
    {"slocy", Element::SLocY},
    {"ssizex", Element::SSizeX},
    {"ssizey", Element::SSizeY},
};

// Every start and end tag is looked up, so the lookup allocates nothing: the name is lower-cased
// into a small buffer while its hash is taken, and found in an open-addressing table (the
// multiplier spreads the known names over the table without collisions).
class ElementTable
{
public:
    ElementTable()
    {
        for (const ElementName& entry : kElementNames) {
            const int length = int(std::strlen(entry.name));
            quint32 slot = Hash(entry.name, length) & kMask;
            while (m_slots[slot].name)
                slot = (slot + 1) & kMask;
            m_slots[slot] = {entry.name, length, entry.element};
        }
    }

    Element Find(const XMLCh* name) const
    {
        char lower[kMaxNameLength];
        int length = 0;
        quint32 hash = 0;
        for (; name[length]; ++length) {
            const XMLCh c = name[length];
            if (length == kMaxNameLength || c >= 0x80)
                return Element::None;
            lower[length] = char(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
            hash = hash * kMultiplier + quint32(uchar(lower[length]));
        }
        for (quint32 slot = Mix(hash) & kMask;; slot = (slot + 1) & kMask) {
            const Slot& candidate = m_slots[slot];
            if (!candidate.name)
                return Element::None;
            if (candidate.length == length && std::memcmp(candidate.name, lower, size_t(length)) == 0)
                return candidate.element;
        }
    }

private:
    static constexpr int kMaxNameLength = 31;
    static constexpr quint32 kMultiplier = 1091;
    static constexpr quint32 kMask = 511;

    struct Slot
    {
        const char* name = nullptr;
        int length = 0;
        Element element = Element::None;
    };

    static quint32 Mix(quint32 hash) { return hash ^ (hash >> 16); }
    static quint32 Hash(const char* name, int length)
    {
        quint32 hash = 0;
        for (int i = 0; i < length; ++i)
            hash = hash * kMultiplier + quint32(uchar(name[i]));
        return Mix(hash);
    }

    Slot m_slots[kMask + 1];
};

Element Lookup(const XMLCh* name)
{
    static const ElementTable table;
    return table.Find(name);
}

bool IsAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The leading decimal number of a text, as the C library reads it (no number gives 0), saturated
// to the range of int.
int LeadingInt(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    qint64 value = 0;
    for (; i < text.size() && IsAsciiDigit(text[i].unicode()); ++i)
        value = qMin<qint64>(value * 10 + (text[i].unicode() - u'0'), qint64(INT_MAX) + 1);
    return negative ? int(-value) : int(qMin<qint64>(value, INT_MAX));
}

// The leading decimal fraction of a text, independent of the locale; no number, or one too large
// for a float, gives 0.
float LeadingFloat(QStringView text)
{
    char number[64];
    int length = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (length == int(sizeof number) || !(IsAsciiDigit(u) || u == u'.' || u == u'-' || u == u'+' || u == u'e' || u == u'E'))
            break;
        number[length++] = char(u);
    }
    const char* begin = number;
    if (length > 0 && *begin == '+')
        ++begin;
    double value = 0;
    const auto result = std::from_chars(begin, number + length, value);
    if (result.ec != std::errc() || !std::isfinite(value) || std::fabs(value) > FLT_MAX)
        return 0;
    return float(value);
}

// The XML parser delivers every line break as "\n"; the records keep "\r\n".
QString WithCrLf(QStringView text)
{
    qsizetype lineFeed = text.indexOf(u'\n');
    if (lineFeed < 0)
        return text.toString();
    QString result;
    result.reserve(text.size() + text.count(u'\n'));
    qsizetype from = 0;
    for (; lineFeed >= 0; lineFeed = text.indexOf(u'\n', lineFeed + 1)) {
        result += text.sliced(from, lineFeed - from);
        if (lineFeed == 0 || text[lineFeed - 1] != u'\r')
            result += u'\r';
        from = lineFeed;
    }
    result += text.sliced(from);
    return result;
}

// The length of the well-formed UTF-8 sequence at position i, or 0 when it is malformed (a sequence
// cut off at the end included).
int Utf8SequenceLength(const uchar* bytes, qsizetype size, qsizetype i)
{
    const uchar lead = bytes[i];
    if (lead < 0x80)
        return 1;
    int extra;
    uint code;
    uint smallest;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, code = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, code = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, code = lead & 0x07, smallest = 0x10000;
    } else {
        return 0;
    }
    if (size - i <= extra)
        return 0;
    for (int k = 1; k <= extra; ++k) {
        const uchar trail = bytes[i + k];
        if ((trail & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (trail & 0x3F);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return extra + 1;
}

// Control characters XML 1.0 does not allow: a file cut short by a crash often ends in zeros, and
// earlier versions wrote such characters into texts.
bool IsForbiddenControl(uchar byte)
{
    return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r';
}

// The bytes with every malformed UTF-8 byte replaced by U+FFFD and every forbidden control
// character left out. The parser gives up at either, which would lose the records around it. Null
// when there is nothing to mend.
QByteArray RepairedUtf8(const QByteArray& data)
{
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const qsizetype size = data.size();
    QByteArray repaired;
    qsizetype copied = 0;
    qsizetype i = 0;
    while (i < size) {
        if (i + 8 <= size) {
            quint64 word;
            std::memcpy(&word, bytes + i, sizeof word);
            // Eight characters of ASCII, none of them below a blank.
            if ((word & 0x8080808080808080ULL) == 0 &&
                ((word - 0x2020202020202020ULL) & ~word & 0x8080808080808080ULL) == 0) {
                i += 8;
                continue;
            }
        }
        const int length = IsForbiddenControl(bytes[i]) ? 0 : Utf8SequenceLength(bytes, size, i);
        if (length > 0) {
            i += length;
            continue;
        }
        if (repaired.isNull())
            repaired.reserve(size + 64);
        repaired.append(data.constData() + copied, i - copied);
        if (!IsForbiddenControl(bytes[i]))
            repaired.append("\xEF\xBF\xBD");
        copied = ++i;
    }
    if (!repaired.isNull())
        repaired.append(data.constData() + copied, size - copied);
    return repaired;
}

// The bytes with every CDATA section cut to the first bytes that can make up a text of the longest
// length kept; null when no section is that long. The parser gathers a section whole before it
// hands it over, so a huge one would cost memory many times its size.
QByteArray WithLongCdataCut(const QByteArray& data)
{
    static const QByteArray open = "<![CDATA[";
    static const QByteArray close = "]]>";
    // A character of a text takes at most three bytes of UTF-8.
    const qsizetype kept = qsizetype(3 * kMaxTextLength);
    QByteArray cut;
    qsizetype copied = 0;
    for (qsizetype start = data.indexOf(open); start >= 0; start = data.indexOf(open, start)) {
        start += open.size();
        qsizetype end = data.indexOf(close, start);
        if (end < 0)
            end = data.size();
        if (end - start > kept) {
            qsizetype keep = start + kept;
            while (keep > start && (uchar(data[keep]) & 0xC0) == 0x80)
                --keep;
            cut.append(data.constData() + copied, keep - copied);
            copied = end;
        }
        start = end;
    }
    if (copied == 0)
        return QByteArray();
    cut.append(data.constData() + copied, data.size() - copied);
    return cut;
}

// Whether the bytes are a UTF-8 document: a UTF-8 mark, or no mark of another encoding and a
// declaration that names UTF-8 or no encoding at all. Other encodings are left to the parser.
bool IsUtf8Document(const QByteArray& data)
{
    if (data.startsWith("\xEF\xBB\xBF"))
        return true;
    if (data.size() >= 2 && (data[0] == '\0' || data[1] == '\0' || data.startsWith("\xFE\xFF") || data.startsWith("\xFF\xFE")))
        return false;
    if (!data.startsWith("<?xml"))
        return true;
    const qsizetype end = data.indexOf("?>");
    const QString declaration = QString::fromLatin1(data.left(end < 0 ? 256 : end));
    if (!declaration.contains(QLatin1String("encoding")))
        return true;
    static const QRegularExpression encoding(QStringLiteral("encoding\\s*=\\s*[\"']\\s*utf-?8\\s*[\"']"),
                                             QRegularExpression::CaseInsensitiveOption);
    return encoding.match(declaration).hasMatch();
}

// Thrown from the handlers to end a read at once: the parser lets it through and the records read
// so far stay.
class GiveUp : public xercesc::SAXException
{
public:
    explicit GiveUp(const char* reason)
        : xercesc::SAXException(reason)
    {
    }
};

// The data file never declares entities: a file that does is refused before the parser expands
// any of them, so that an entity defined as thousands of others cannot eat time and memory.
class CDataFileSaxParser : public xercesc::SAXParser
{
public:
    void entityDecl(const xercesc::DTDEntityDecl&, const bool, const bool) override
    {
        throw GiveUp("the file declares entities");
    }
};

}

CXmlParser::CXmlParser(CEventRecords& records, CSettings* settings, IRecordOwner* owner)
    : m_records(records)
    , m_settings(settings)
    , m_owner(owner)
    , m_field(Element::None)
{
    try {
        xercesc::XMLPlatformUtils::Initialize();
        m_initialized = true;
    } catch (const xercesc::XMLException&) {
        qCWarning(lcXml) << "CXmlParser: the XML library could not be initialised";
    }
    m_text.reserve(1024);
}

CXmlParser::~CXmlParser()
{
    if (m_initialized)
        xercesc::XMLPlatformUtils::Terminate();
}

long CXmlParser::Parse(const QString& path, IXmlImportSink* sink)
{
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || info.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly)) {
        qCWarning(lcXml) << "Parse: cannot read" << path;
        return kFailed;
    }
    return ParseData(file.readAll(), sink);
}

long CXmlParser::ParseData(const QByteArray& data, IXmlImportSink* sink)
{
    Begin(sink);
    if (!m_initialized)
        return kFailed;
    const bool utf8 = IsUtf8Document(data);
    const QByteArray repaired = utf8 ? RepairedUtf8(data) : QByteArray();
    const QByteArray& mended = repaired.isNull() ? data : repaired;
    const QByteArray cut = utf8 ? WithLongCdataCut(mended) : QByteArray();
    Run(cut.isNull() ? mended : cut);
    if (!repaired.isNull()) {
        qCWarning(lcXml) << "ParseData: malformed UTF-8 read as U+FFFD, control characters left out";
        m_fatalError = true;
    }
    if (!m_fatalError && m_sink)
        m_sink->FileDone();
    const bool failed = m_fatalError;
    Begin(nullptr);
    return failed ? kFailed : 0;
}

void CXmlParser::Begin(IXmlImportSink* sink)
{
    m_sink = sink;
    m_fatalError = false;
    m_errors = 0;
    m_open.clear();
    m_guest = nullptr;
    m_expense = nullptr;
    m_payment = nullptr;
    m_table = nullptr;
    m_group = nullptr;
    m_meeting = nullptr;
    m_category = nullptr;
    m_offer = nullptr;
    m_shape = PendingShape();
    m_field = Element::None;
    m_text.clear();
}

void CXmlParser::Run(const QByteArray& bytes)
{
    CDataFileSaxParser parser;
    parser.setValidationScheme(xercesc::SAXParser::Val_Auto);
    parser.setDoNamespaces(false);
    parser.setDoSchema(false);
    parser.setValidationSchemaFullChecking(false);
    // A damaged spot costs the records around it only: the parser recovers and reads on.
    parser.setExitOnFirstFatalError(false);
    parser.setLoadExternalDTD(false);
    parser.setDisableDefaultEntityResolution(true);
    parser.setInputBufferSize(kCharacterChunk);
    // Limits the expansion of entities, should a declaration ever get past the refusal.
    xercesc::SecurityManager security;
    parser.setSecurityManager(&security);
    CErrorReporter reporter(*this);
    parser.setDocumentHandler(this);
    // Without a DTD handler the parser reports no declarations, and entities would go unnoticed.
    parser.setDTDHandler(this);
    parser.setErrorHandler(&reporter);
    parser.setEntityResolver(this);

    const xercesc::MemBufInputSource source(reinterpret_cast<const XMLByte*>(bytes.constData()),
                                            XMLSize_t(bytes.size()), "WeddingData.xml");
    m_clock.start();
    try {
        parser.parse(source);
    } catch (const xercesc::XMLException&) {
        m_fatalError = true;
    } catch (const xercesc::SAXException& exception) {
        qCWarning(lcXml).noquote() << "Run: reading given up:" << QString::fromUtf16(exception.getMessage());
        m_fatalError = true;
    } catch (const xercesc::OutOfMemoryException&) {
        m_fatalError = true;
    }
}

void CXmlParser::ReportFatalError(const QString& where)
{
    m_fatalError = true;
    if (++m_errors <= kLoggedErrors)
        qCWarning(lcXml).noquote() << "fatalError:" << where;
    if (m_errors >= kMaxErrors)
        throw GiveUp("too many errors");
    CheckTime();
}

void CXmlParser::CheckTime() const
{
    if (m_clock.hasExpired(kMaxReadMilliseconds))
        throw GiveUp("the read takes too long");
}

void CXmlParser::ResetErrors()
{
    m_fatalError = false;
}

xercesc::InputSource* CXmlParser::resolveEntity(const XMLCh* const, const XMLCh* const)
{
    static const XMLByte nothing = 0;
    return new xercesc::MemBufInputSource(&nothing, 0, "empty");
}

void CXmlParser::startElement(const XMLCh* const name, xercesc::AttributeList& attributes)
{
    if (m_open.size() >= size_t(kMaxDepth))
        throw GiveUp("elements nested too deep");
    CheckTime();
    const Element element = Lookup(name);
    m_open.push_back(element);
    if (element == Element::None)
        return;
    if (IsRecord(element)) {
        StartRecord(element, attributes);
        return;
    }
    m_field = HasRecordFor(element) ? element : Element::None;
    m_text.clear();
}

// The parser closes its open elements one by one even past an error (an end tag with another
// name closes the element opened last), so the open elements here stay in step with its own.
void CXmlParser::endElement(const XMLCh* const)
{
    if (m_open.empty())
        return;
    const Element element = m_open.back();
    m_open.pop_back();
    if (element == Element::None)
        return;
    if (IsRecord(element)) {
        EndRecord(element);
        return;
    }
    if (element != m_field)
        return;
    m_field = Element::None;
    ApplyField(element, QStringView(m_text.data(), qsizetype(m_text.size())).trimmed());
}

void CXmlParser::characters(const XMLCh* const chars, const XMLSize_t length)
{
    CheckTime();
    if (m_field == Element::None || m_text.size() >= kMaxTextLength)
        return;
    m_text.append(chars, std::min<size_t>(length, kMaxTextLength - m_text.size()));
}

void CXmlParser::StartRecord(Element element, xercesc::AttributeList& attributes)
{
    switch (element) {
    case Element::Guest:
        m_guest = new CGuest(m_settings, m_owner, &m_records.counters);
        if (m_sink)
            m_sink->TakeNewGuest(m_guest);
        else
            m_records.guests.append(m_guest);
        break;
    case Element::Expence:
        m_expense = new CExpence(&m_records.counters);
        m_payment = nullptr;
        m_records.expenses.append(m_expense);
        break;
    case Element::Payment:
        m_payment = m_expense ? &m_expense->AddPayment() : nullptr;
        break;
    case Element::Table:
        m_table = new CTable(m_owner, &m_records.counters);
        m_table->SetId(int(m_records.tables.size()));
        m_records.tables.append(m_table);
        break;
    case Element::Group:
        m_group = new CGroup(m_owner, &m_records.counters);
        if (m_sink)
            m_sink->TakeNewGroup(m_group);
        else
            m_records.groups.append(m_group);
        break;
    case Element::Meeting:
        m_meeting = new CMeeting(&m_records.counters);
        m_records.meetings.append(m_meeting);
        break;
    case Element::Category:
        m_category = new CCategory(&m_records.counters);
        m_records.categories.append(m_category);
        break;
    case Element::Offer:
        m_offer = new COffer(&m_records.counters);
        m_records.offers.append(m_offer);
        break;
    case Element::Shape:
        m_shape = PendingShape();
        m_shape.open = true;
        for (XMLSize_t i = 0; i < attributes.getLength(); ++i) {
            if (Lookup(attributes.getName(i)) == Element::SType) {
                const XMLCh* value = attributes.getValue(i);
                m_shape.kind = LeadingInt(QStringView(value, qsizetype(std::char_traits<char16_t>::length(value))).trimmed());
            }
        }
        break;
    default:
        break;
    }
}

void CXmlParser::EndRecord(Element element)
{
    if (m_field != Element::None && RecordOf(m_field) == element)
        m_field = Element::None;
    switch (element) {
    case Element::Guest:
        if (CGuest* guest = std::exchange(m_guest, nullptr)) {
            guest->ClearFlags();
            if (m_sink)
                m_sink->GuestComplete(guest);
        }
        break;
    case Element::Expence:
        // The data file carries no date of the expense itself: it is its first payment's.
        if (m_expense && m_expense->GetPaymentCount() > 0)
            m_expense->CPayment::SetDate(m_expense->GetPayment(0)->GetDate());
        if (m_expense)
            m_expense->ClearFlags();
        m_expense = nullptr;
        m_payment = nullptr;
        break;
    case Element::Payment:
        if (m_payment)
            m_payment->ClearModified();
        m_payment = nullptr;
        break;
    case Element::Table:
        if (m_table)
            m_table->ClearFlags();
        m_table = nullptr;
        break;
    case Element::Group:
        if (m_group)
            m_group->ClearFlags();
        m_group = nullptr;
        break;
    case Element::Meeting:
        if (m_meeting)
            m_meeting->ClearFlags();
        m_meeting = nullptr;
        break;
    case Element::Category:
        if (m_category)
            m_category->ClearFlags();
        m_category = nullptr;
        break;
    case Element::Offer:
        if (m_offer)
            m_offer->ClearFlags();
        m_offer = nullptr;
        break;
    case Element::Shape:
        FinishShape();
        break;
    default:
        break;
    }
}

bool CXmlParser::HasRecordFor(Element field) const
{
    switch (RecordOf(field)) {
    case Element::Guest:
        return m_guest;
    case Element::Expence:
        return m_expense;
    case Element::Payment:
        return m_payment;
    case Element::Table:
        return m_table;
    case Element::Group:
        return m_group;
    case Element::Meeting:
        return m_meeting;
    case Element::Category:
        return m_category;
    case Element::Offer:
        return m_offer;
    case Element::Shape:
        return m_shape.open;
    default:
        return false;
    }
}

void CXmlParser::ApplyField(Element field, QStringView text)
{
    if (!HasRecordFor(field))
        return;
    switch (RecordOf(field)) {
    case Element::Guest:
        ApplyGuestField(field, text);
        break;
    case Element::Expence:
        ApplyExpenseField(field, text);
        break;
    case Element::Payment:
        ApplyPaymentField(field, text);
        break;
    case Element::Table:
        ApplyTableField(field, text);
        break;
    case Element::Group:
        m_group->SetName(text.toString());
        break;
    case Element::Meeting:
        ApplyMeetingField(field, text);
        break;
    case Element::Category:
        m_category->SetName(text.toString());
        break;
    case Element::Offer:
        ApplyOfferField(field, text);
        break;
    case Element::Shape:
        ApplyShapeField(field, text);
        break;
    default:
        break;
    }
}

void CXmlParser::ApplyGuestField(Element field, QStringView text)
{
    CGuest& guest = *m_guest;
    switch (field) {
    case Element::UniqueId:
        guest.SetUniqueId(LeadingInt(text));
        break;
    case Element::Info:
        guest.SetNotes(WithCrLf(text));
        break;
    case Element::TableOrder:
        guest.SetTableIndex(LeadingInt(text));
        break;
    case Element::NumOfKids:
        guest.SetKids(LeadingInt(text));
        break;
    case Element::KidSeat:
        guest.SetNeedKidsChair(text == u"1");
        break;
    case Element::Coming:
        guest.SetComing(LeadingInt(text));
        break;
    case Element::Invited:
        guest.SetInvited(LeadingInt(text));
        break;
    case Element::InvNumber:
        guest.SetInvitations(LeadingInt(text));
        break;
    case Element::InvSent:
        guest.SetInvitationSent(text == u"1");
        break;
    case Element::ApproveStat: {
        const int status = LeadingInt(text);
        guest.SetStatus(status == 3 ? 0 : status);
        break;
    }
    case Element::DollarsGift:
        guest.SetGiftDollars(LeadingFloat(text));
        break;
    case Element::SekelsGift:
        guest.SetGiftShekels(LeadingFloat(text));
        break;
    case Element::GiftInfo:
        guest.SetGiftInfo(text.toString());
        break;
    case Element::Gift:
        guest.SetGift(text.toString());
        break;
    case Element::Address:
        guest.SetAddress(WithCrLf(text));
        break;
    case Element::GPhone:
        guest.SetPhone(text.toString());
        break;
    case Element::MoPhone:
        guest.SetMobilePhone(text.toString());
        break;
    case Element::SmsCount:
        guest.SetSmsCount(LeadingInt(text));
        break;
    case Element::GGroup:
        guest.SetGroupName(text.toString());
        break;
    case Element::GRelation:
        guest.SetRelation(text.toString());
        break;
    case Element::FamilyName:
        guest.SetFamilyName(text.toString());
        break;
    case Element::GsName:
        guest.SetName(text.toString());
        break;
    case Element::EMail:
        guest.SetEmail(text.toString());
        break;
    case Element::Transportation:
        guest.SetTransport(LeadingInt(text));
        break;
    case Element::Restricted:
        guest.AddRestriction(text.toString(), false);
        break;
    case Element::ThatCame: {
        const int came = LeadingInt(text);
        guest.SetCameCount(came);
        if (came >= 1)
            guest.SetArrived(true);
        break;
    }
    default:
        break;
    }
}

void CXmlParser::ApplyExpenseField(Element field, QStringView text)
{
    CExpence& expense = *m_expense;
    switch (field) {
    case Element::ExpName:
        expense.SetName(text.toString());
        break;
    case Element::ExpInfo:
        expense.SetInfo(WithCrLf(text));
        break;
    case Element::ExpDollar:
        expense.SetDollars(LeadingInt(text));
        break;
    case Element::ExpShekel:
        expense.SetShekels(LeadingInt(text));
        break;
    case Element::ExpPayer:
        expense.SetPayer(text.toString());
        break;
    case Element::ExpPaid:
        expense.SetPaid(LeadingInt(text));
        break;
    case Element::ExpCat:
        expense.SetCategory(text.toString());
        break;
    default:
        break;
    }
}

void CXmlParser::ApplyPaymentField(Element field, QStringView text)
{
    CPayment& payment = *m_payment;
    switch (field) {
    case Element::PDollar:
        payment.SetDollars(LeadingInt(text));
        break;
    case Element::PShekel:
        payment.SetShekels(LeadingInt(text));
        break;
    case Element::PPaid:
        payment.SetPaid(LeadingInt(text));
        break;
    case Element::PDate:
        payment.SetDate(ShortDate::FromText(text.toString()));
        break;
    case Element::PInfo:
        payment.SetInfo(text.toString());
        break;
    default:
        break;
    }
}

void CXmlParser::ApplyTableField(Element field, QStringView text)
{
    CTable& table = *m_table;
    CTable::Area area = table.GetArea();
    switch (field) {
    case Element::TName:
        table.SetName(WithCrLf(text));
        break;
    case Element::TSeats:
        table.SetSeats(LeadingInt(text));
        break;
    case Element::TNumHall:
        table.SetHallNumber(LeadingInt(text));
        break;
    case Element::TClass:
        table.SetShapeClass(text.toString());
        break;
    // Width and height count from the left and top read before them.
    case Element::TCordX:
        area.left = LeadingInt(text);
        table.SetArea(area);
        break;
    case Element::TCordY:
        area.top = LeadingInt(text);
        table.SetArea(area);
        break;
    case Element::TWidth:
        area.right = CTable::FarEdge(area.left, LeadingInt(text));
        table.SetArea(area);
        break;
    case Element::THeight:
        area.bottom = CTable::FarEdge(area.top, LeadingInt(text));
        table.SetArea(area);
        break;
    case Element::TColor:
        table.SetColor(LeadingInt(text));
        break;
    case Element::TdStyle:
        table.SetDrawStyle(LeadingInt(text));
        break;
    default:
        break;
    }
}

void CXmlParser::ApplyMeetingField(Element field, QStringView text)
{
    CMeeting& meeting = *m_meeting;
    ShortDate date = meeting.GetDate();
    switch (field) {
    case Element::MName:
        meeting.SetName(text.toString());
        break;
    // The meeting also turns them when its flags are cleared, but a meeting whose end tag never
    // comes (a file cut short) keeps its notes as set here.
    case Element::MInfo:
        meeting.SetNotes(WithCrLf(text));
        break;
    case Element::MContactJob:
        meeting.SetContactJob(text.toString());
        break;
    case Element::MContactAdd:
        meeting.SetContactAddress(text.toString());
        break;
    case Element::MContactPhone:
        meeting.SetContactPhone(text.toString());
        break;
    case Element::MContactName:
        meeting.SetContactName(text.toString());
        break;
    case Element::MYear:
        date.year = quint16(LeadingInt(text));
        meeting.SetDate(date);
        break;
    case Element::MMonth:
        date.month = quint16(LeadingInt(text));
        meeting.SetDate(date);
        break;
    case Element::MDay:
        date.day = quint16(LeadingInt(text));
        meeting.SetDate(date);
        break;
    default:
        break;
    }
}

void CXmlParser::ApplyOfferField(Element field, QStringView text)
{
    COffer& offer = *m_offer;
    switch (field) {
    case Element::OName:
        offer.SetName(text.toString());
        break;
    case Element::OInfo:
        offer.SetNotes(WithCrLf(text));
        break;
    case Element::OShekel:
        offer.SetShekels(LeadingInt(text));
        break;
    case Element::OCategory:
        offer.SetCategory(text.toString());
        break;
    case Element::OInOffer1:
    case Element::OInOffer2:
    case Element::OInOffer3:
        offer.SetInPlan(int(field) - int(Element::OInOffer1), LeadingInt(text) != 0);
        break;
    case Element::OGuestForOffer:
        offer.SetGuestsForOffer(LeadingInt(text));
        break;
    case Element::OIsPerGuest:
        offer.SetPerGuest(LeadingInt(text) != 0);
        break;
    default:
        break;
    }
}

void CXmlParser::ApplyShapeField(Element field, QStringView text)
{
    PendingShape& shape = m_shape;
    switch (field) {
    case Element::SType:
        shape.kind = LeadingInt(text);
        break;
    case Element::SpName:
        shape.name = WithCrLf(text);
        break;
    case Element::SColor:
        shape.color = LeadingInt(text);
        break;
    case Element::SClass:
        shape.shapeClass = text.toString();
        break;
    case Element::SLocX:
        shape.area.left = LeadingInt(text);
        break;
    case Element::SLocY:
        shape.area.top = LeadingInt(text);
        break;
    case Element::SSizeX:
        shape.area.right = CTable::FarEdge(shape.area.left, LeadingInt(text));
        break;
    case Element::SSizeY:
        shape.area.bottom = CTable::FarEdge(shape.area.top, LeadingInt(text));
        break;
    default:
        break;
    }
}

void CXmlParser::FinishShape()
{
    const PendingShape pending = std::exchange(m_shape, PendingShape());
    if (!pending.open)
        return;
    CShape* shape = CShapeFactory::Create(pending.kind, &m_records.counters);
    if (!shape)
        return;
    shape->SetName(pending.name);
    shape->SetColor(pending.color);
    shape->SetShapeClass(pending.shapeClass);
    shape->SetArea(pending.area);
    shape->ClearFlags();
    m_records.shapes.append(shape);
}
