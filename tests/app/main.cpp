// The desktop program's tests run without a display: the offscreen platform is chosen here,
// before QApplication exists, because test discovery runs this program at build time too.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <cstdlib>

namespace {

// The offscreen platform warns about every window feature it lacks; those say nothing about
// the program.
void QuietOffscreenWarnings(QtMsgType type, const QMessageLogContext& context,
                            const QString& text) {
  if (text.startsWith("This plugin does not support")) return;
  qInstallMessageHandler(nullptr);
  qt_message_output(type, context, text);
  qInstallMessageHandler(QuietOffscreenWarnings);
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qInstallMessageHandler(QuietOffscreenWarnings);
  QApplication application(argc, argv);
  // A program started without a settings file of its own keeps its settings where the user's
  // real ones are safe from the tests.
  QStandardPaths::setTestModeEnabled(true);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
