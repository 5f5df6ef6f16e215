// The main of every test program: an offscreen application object (the
// database driver, fonts and paint devices need one), then GoogleTest.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("ArvexTest"));
  QCoreApplication::setApplicationName(QStringLiteral("ArvexTest"));
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
