#include "platform/widgets/FontSubstitutes.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

// GUI tests run offscreen under a fixed locale, with one application object for the process and
// the CJK font substitutes the host installs at start-up.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
