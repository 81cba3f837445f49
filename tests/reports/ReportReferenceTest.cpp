#include "ReportFixture.h"

#include "reports/core/ReportCatalogue.h"
#include "reports/core/ReportFile.h"
#include "reports/core/ReportOptions.h"
#include "reports/core/SheetExport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

// With RAVIVAZ_WRITE_REFERENCES set the files are written instead of compared, for a reviewer to
// read line by line before they are committed.
void CompareWithReference(const QString& name, const QByteArray& bytes)
{
    const QString path = TestFiles::Fixture(QStringLiteral("reports/") + name);
    if (qEnvironmentVariableIsSet("RAVIVAZ_WRITE_REFERENCES")) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        ASSERT_TRUE(TestFiles::Write(path, bytes)) << path.toStdString();
        return;
    }
    ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
    const QByteArray expected = TestFiles::Read(path);
    EXPECT_EQ(bytes.size(), expected.size()) << name.toStdString();
    EXPECT_TRUE(bytes == expected) << name.toStdString();
}

QString LanguageFolder(UiLanguage language)
{
    return language == UiLanguage::English ? QStringLiteral("en/") : QStringLiteral("he/");
}

class ReportReferenceTest : public ::testing::TestWithParam<UiLanguage>
{
};

}

TEST_P(ReportReferenceTest, EveryReportOfTheFixtureEventMatchesItsReference)
{
    CReportFixture event(GetParam());
    CReportOptions options;
    options.columns = {0, 1, 2, 3, 6, 9, 10, 11, 13, 14, 15, 16, 17, 19, 20};
    options.perPage = 3;
    options.perRow = 2;
    for (const ReportCatalogue::Entry& entry : ReportCatalogue::Entries()) {
        const QString html = ReportCatalogue::Generate(event.Doc(), entry.kind, options);
        CompareWithReference(LanguageFolder(GetParam()) + QLatin1String(entry.name) + QStringLiteral(".html"),
                             ReportFile::Encode(html));
    }
    options.text = true;
    for (const auto kind : {ReportCatalogue::Kind::TablesById, ReportCatalogue::Kind::TablesByHallNumber}) {
        const QString text = ReportCatalogue::Generate(event.Doc(), kind, options);
        CompareWithReference(LanguageFolder(GetParam()) + QLatin1String(ReportCatalogue::Get(kind).name) + QStringLiteral(".txt"),
                             ReportFile::Encode(text));
    }
    CompareWithReference(LanguageFolder(GetParam()) + QStringLiteral("guests.xls"),
                         ReportFile::Encode(SheetExport::TabSeparated(SheetExport::Guests(event.Doc()))));
    CompareWithReference(LanguageFolder(GetParam()) + QStringLiteral("tables.xls"),
                         ReportFile::Encode(SheetExport::TabSeparated(SheetExport::Tables(event.Doc()))));
}

TEST_P(ReportReferenceTest, AnEmptyEventStillStartsWithTheByteOrderMark)
{
    CReportFixture event(GetParam(), false);
    const QString path = event.Home().Path() + QStringLiteral("/empty.html");
    ASSERT_TRUE(ReportCatalogue::Write(event.Doc(), ReportCatalogue::Kind::GuestsByFirstName, CReportOptions(), path));
    const QByteArray bytes = TestFiles::Read(path);
    ASSERT_GE(bytes.size(), 2);
    EXPECT_EQ(quint8(bytes[0]), 0xFF);
    EXPECT_EQ(quint8(bytes[1]), 0xFE);
    CompareWithReference(LanguageFolder(GetParam()) + QStringLiteral("empty-guests-first-name.html"), bytes);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ReportReferenceTest, ::testing::Values(UiLanguage::Hebrew, UiLanguage::English));
