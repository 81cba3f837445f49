#include <QApplication>

#include <curl/curl.h>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Listing the tests runs this program too, without the test's environment: windows stay offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    curl_global_init(CURL_GLOBAL_DEFAULT);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    curl_global_cleanup();
    return result;
}
