// Writes an .xlsx workbook for the import tests with libxlsxwriter, from a description on standard
// input: [[sheet name, [[cell, ...], ...]], ...], a number a number cell, text a text cell, null
// no cell. A program of its own: libxlsxwriter's zip functions share their names with those of the
// zip library the import reads with, so the two cannot live in one process.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <xlsxwriter.h>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: xlsx-fixture-writer OUT.xlsx < sheets.json\n");
        return 2;
    }
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return 1;
    const QJsonArray sheets = QJsonDocument::fromJson(input.readAll()).array();
    lxw_workbook* book = workbook_new(argv[1]);
    if (!book)
        return 1;
    for (const QJsonValue& sheet : sheets) {
        lxw_worksheet* page = workbook_add_worksheet(book, sheet[0].toString().toUtf8().constData());
        const QJsonArray rows = sheet[1].toArray();
        for (qsizetype r = 0; r < rows.size(); ++r) {
            const QJsonArray cells = rows[r].toArray();
            for (qsizetype c = 0; c < cells.size(); ++c) {
                const QJsonValue cell = cells[c];
                if (cell.isDouble())
                    worksheet_write_number(page, lxw_row_t(r), lxw_col_t(c), cell.toDouble(), nullptr);
                else if (cell.isString())
                    worksheet_write_string(page, lxw_row_t(r), lxw_col_t(c), cell.toString().toUtf8().constData(), nullptr);
            }
        }
    }
    return workbook_close(book) == LXW_NO_ERROR ? 0 : 1;
}
