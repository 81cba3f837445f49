#pragma once

#include "data/settings/Language.h"

#include <QApplication>

// The application of the page benchmarks: offscreen unless another platform is asked for, the
// program's Fusion style and the Hebrew interface, right to left.
class BenchApplication : public QApplication
{
public:
    BenchApplication(int& argc, char** argv)
        : QApplication(OffscreenUnlessSet(argc), argv)
    {
        setStyle(QStringLiteral("Fusion"));
        Language::Set(UiLanguage::Hebrew);
        setLayoutDirection(Qt::RightToLeft);
    }

private:
    static int& OffscreenUnlessSet(int& argc)
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }
};
