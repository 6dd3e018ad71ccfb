#pragma once

#include "fontregistry.h"

#include <QApplication>
#include <QtTest>

// QTEST_MAIN sets Qt::AA_Use96Dpi, which scales inline pictures differently from the program
// when a page is laid out; tests that render pages start the application the way main() does.
#define TS_TEST_MAIN(TestClass)                                                                    \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        Q_INIT_RESOURCE(resources);                                                                \
        QApplication app(argc, argv);                                                              \
        registerShippedFonts(QStringLiteral(TS_SHIPPED_FONT_DIR));                                 \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
