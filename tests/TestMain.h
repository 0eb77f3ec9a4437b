// main() for the test programs: the same web-engine environment as the app,
// and Qt's test mode so that no test touches the user's real files.
#pragma once

#include "app/Startup.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#define TRAVONIX_TEST_MAIN(TestClass)                                                                                  \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        setWebEngineEnvironment();                                                                                     \
        QStandardPaths::setTestModeEnabled(true);                                                                      \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);                                                    \
        QApplication app(argc, argv);                                                                                  \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
