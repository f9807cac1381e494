// The window tests' main: one QApplication for every test, with Qt's Spanish
// translations loaded as the program loads them.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/screen.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  baltu::platform::initResources();
  baltu::platform::installSpanishTranslations(application);
  return RUN_ALL_TESTS();
}
