#include "data/IniFile.h"

#include <gtest/gtest.h>

TEST(IniFile, MissingFileGivesDefaults)
{
    CIniFile file(QStringLiteral("/nonexistent/x.ini"));
    EXPECT_EQ(file.GetString("A", "b", "def"), QStringLiteral("def"));
}
