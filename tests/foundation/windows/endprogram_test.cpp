// Exit routines and the end of the program. endProgram counts once per process, so this file
// runs its cases in one test, in order.
#include "windowtesting.h"

#include <QPointer>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zanvik {
namespace {

std::vector<std::string> ran;

void first() {
    ran.emplace_back("first");
}
void second() {
    ran.emplace_back("second");
}

const WindowDefinition& someWindow() {
    static const WindowDefinition definition{
        .caption = "some", .outerSize = {200, 150}, .willBeDestroyed = [](Window&) {
            ran.emplace_back("willBeDestroyed");
        }};
    return definition;
}

TEST(EndProgram, RunsEachRoutineOnceInOrderClosesTheWindowsAndEndsTheLoop) {
    WindowLayer& layer = testing::layer();
    addExitRoutine(&first);
    addExitRoutine(&second);
    addExitRoutine(&first); // already in the list
    addExitRoutine(nullptr);
    ASSERT_TRUE(loadWindow(someWindow(), Modality::Modeless));
    QPointer<QWidget> widget = openWindow(someWindow())->widget();
    EXPECT_EQ(layer.endedWithCode(), -1);

    endProgram(0);
    EXPECT_EQ(ran, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(layer.endedWithCode(), 0);
    EXPECT_EQ(openWindow(someWindow()), nullptr);
    EXPECT_TRUE(widget.isNull());

    // After the end: nothing runs twice, nothing opens, the loop returns the code at once.
    endProgram(3);
    EXPECT_EQ(ran.size(), 2u);
    EXPECT_EQ(layer.endedWithCode(), 0);
    EXPECT_FALSE(loadWindow(someWindow(), Modality::Modeless));
    processPendingEvents();
    EXPECT_EQ(runMessageLoop(), 0);
}

} // namespace
} // namespace zanvik
