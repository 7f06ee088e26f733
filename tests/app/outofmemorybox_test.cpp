// The program's out-of-memory reporter shows an error message box naming the size asked for.
#include "app/outofmemorybox.h"
#include "tests/foundation/windows/windowtesting.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace zanvik {
namespace {

TEST(OutOfMemoryBox, ShowsAnErrorBoxWithTheSizeAskedFor) {
    testing::layer();
    QString shownText;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shownText = box->text();
            shownIcon = box->icon();
            box->accept();
        }
    });
    poll.start(20);
    showOutOfMemoryBox(123456789);
    EXPECT_TRUE(shownText.contains("123456789")) << shownText.toStdString();
    EXPECT_EQ(shownIcon, QMessageBox::Critical);
}

} // namespace
} // namespace zanvik
