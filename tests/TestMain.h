// main() for the test programs: Qt's test mode, so that no test touches the
// user's real files, and for the tests that drive a page, the same web-engine
// environment as the app.
#pragma once

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#define TRAVONIX_TEST_MAIN_PREPARED(TestClass, prepare)                                                                \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        prepare;                                                                                                       \
        QStandardPaths::setTestModeEnabled(true);                                                                      \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);                                                    \
        QApplication app(argc, argv);                                                                                  \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }

#define TRAVONIX_TEST_MAIN(TestClass) TRAVONIX_TEST_MAIN_PREPARED(TestClass, (void)0)

// For tests that include "scraper/WebEngineEnvironment.h".
#define TRAVONIX_WEB_TEST_MAIN(TestClass) TRAVONIX_TEST_MAIN_PREPARED(TestClass, setWebEngineEnvironment())
