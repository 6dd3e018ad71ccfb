#pragma once

#include "fontregistry.h"
#include "pagemeasures.h"

#include <QApplication>
#include <QtTest>

// Tests that render pages start the application the way main() does: pages measured alike,
// the program's resources and faces.
#define TS_TEST_MAIN(TestClass)                                                                    \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        Q_INIT_RESOURCE(resources);                                                                \
        measurePagesAlike();                                                                       \
        QApplication app(argc, argv);                                                              \
        registerShippedFonts(QStringLiteral(TS_SHIPPED_FONT_DIR));                                 \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
