#pragma once

#include <QList>
#include <QString>

class CGuest;

// The frame every report shares: the head, the aligned body, the page break and the summary of
// the guests a report counts. The language is that of the interface.
namespace ReportPage {

enum class Charset { WithCodePage, Plain };

// The head and the opening of the body.
QString Head(Charset charset = Charset::WithCodePage);
// The division that aligns the body to the language.
QString Division();
// The head and the division.
QString Open(Charset charset = Charset::WithCodePage);
QString Close();
QString PageBreak();
// "right" in Hebrew, "left" in English: the alignment of cells and headings.
QString Align();
// A cell with the alignment of the language.
QString Cell(const QString& html);
// A row of cells and the line end; in Hebrew the first cell stands at the right, so the cells are
// written in reverse order.
QString Row(const QList<QString>& cells, const QString& end = QStringLiteral("\r\n"));
// The summary table: invited, coming, kids' meals, catering meals and kids' chairs.
QString Summary(const QList<CGuest*>& guests, int kidsPresent);
// Coming people less the part of a meal that every kid does not eat.
double CateringMeals(qint64 coming, qint64 kids, int kidsPresent);

}
