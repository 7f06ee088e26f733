// Closing MainWindow ends the program with exit code 0 after the exit clean-up released the
// process-wide buffers. The end counts once per process: one test.
#include "app/mainwindow.h"
#include "app/processstate.h"
#include "tests/foundation/windows/windowtesting.h"

#include <QTest>
#include <gtest/gtest.h>

namespace zanvik {
namespace {

TEST(Shutdown, EscOnMainWindowReleasesTheBuffersAndEndsWithCodeZero) {
    WindowLayer& layer = testing::layer();
    resetProcessState();
    addExitRoutine(&releaseProcessBuffers);
    addExitRoutine(&releaseProcessBuffers);
    ASSERT_TRUE(loadWindow(mainWindowDefinition(), Modality::Modeless));
    processState().uploadBuffer = ByteBuffer::fromString("picture chosen");
    processState().downloadBuffer = ByteBuffer::fromString("picture shown");
    processState().uploadTotal = 14;

    QTest::keyClick(testing::openedWindow(mainWindowDefinition()).widget(), Qt::Key_Escape);
    processPendingEvents();
    EXPECT_EQ(layer.endedWithCode(), 0);
    EXPECT_EQ(openWindow(mainWindowDefinition()), nullptr);
    EXPECT_TRUE(processState().uploadBuffer.empty());
    EXPECT_TRUE(processState().downloadBuffer.empty());
    EXPECT_EQ(processState().uploadTotal, 14); // only the buffers are released
    EXPECT_EQ(runMessageLoop(), 0);
}

} // namespace
} // namespace zanvik
