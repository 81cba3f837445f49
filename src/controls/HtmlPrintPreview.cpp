#include "controls/HtmlPrintPreview.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

void HtmlPrintPreview::Run(const QString& html, bool landscape, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&html](QPrinter* target) {
        QTextDocument document;
        document.setHtml(html);
        document.print(target);
    });
    preview.exec();
}
