// The GUI tests run in one offscreen QApplication.
#include <QApplication>
#include <gtest/gtest.h>

namespace {

// The offscreen platform reports what it cannot do (raise a window …) on
// every call; those notes are dropped, everything else is printed.
QtMessageHandler standardHandler = nullptr;

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith("This plugin does not support")) return;
    if (standardHandler) standardHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    standardHandler = qInstallMessageHandler(QuietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
