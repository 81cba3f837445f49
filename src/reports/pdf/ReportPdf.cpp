#include "reports/pdf/ReportPdf.h"

#include "data/storage/AtomicFile.h"
#include "reports/core/TextEngineMarkup.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace ReportPdf {

namespace {

const QString kPageBreak = QStringLiteral("<p style=\"page-break-before: always\">");

// The report cut at its page breaks, each piece with the report's head so it keeps its style and
// alignment. Laying out many small documents is far quicker than one long one.
QStringList Pieces(const QString& html)
{
    const qsizetype division = html.indexOf(QStringLiteral("<div align="));
    const qsizetype bodyEnd = division < 0 ? 0 : html.indexOf(QLatin1Char('>'), division) + 1;
    const QString head = html.left(bodyEnd);
    QStringList pieces;
    qsizetype start = bodyEnd;
    for (qsizetype at = html.indexOf(kPageBreak, start); at >= 0; at = html.indexOf(kPageBreak, at + kPageBreak.size())) {
        pieces.append(head + html.mid(start, at - start));
        start = at;
    }
    pieces.append(head + html.mid(start));
    return pieces;
}

}

bool Write(const QString& html, const QString& path, Orientation orientation)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Ravivaz"));
        writer.setResolution(150);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                         orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                         QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
        const QSizeF page(writer.width(), writer.height());
        QPainter painter(&writer);
        bool first = true;
        for (const QString& piece : Pieces(TextEngineMarkup::Adapt(html))) {
            QTextDocument document;
            // Laid out once, in the writer's own units.
            document.documentLayout()->setPaintDevice(&writer);
            document.setPageSize(page);
            document.setHtml(piece);
            for (int number = 0; number < document.pageCount(); ++number) {
                if (!first)
                    writer.newPage();
                first = false;
                painter.save();
                painter.translate(0, -number * page.height());
                QAbstractTextDocumentLayout::PaintContext context;
                context.clip = QRectF(QPointF(0, number * page.height()), page);
                painter.setClipRect(context.clip);
                document.documentLayout()->draw(&painter, context);
                painter.restore();
            }
        }
    }
    return AtomicFile::Write(path, buffer.data());
}

}
