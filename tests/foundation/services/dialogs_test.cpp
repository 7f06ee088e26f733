#include "foundation/services/messagebox.h"
#include "foundation/services/openfiledialog.h"
#include "foundation/values/gbkcodec.h"
#include "tests/foundation/services/qtapplication.h"
#include "tests/foundation/services/scratchfolder.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace zanvik {
namespace {

// Runs `act` on the first application-modal dialog of type T that appears while the dialog
// call under test waits, as a user would.
template <class T> void whenDialogAppears(std::function<void(T&)> act) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(*dialog);
        }
    });
    poll->start(10);
}

TEST(MessageBoxTest, ShowsTextIconAndCaptionModalWithoutOwner) {
    testing::qtApplication();
    const struct {
        Text caption;
        std::int32_t style;
        QString expectedCaption;
        QMessageBox::Icon icon;
    } cases[] = {
        {gbkFromUtf8("温馨提示"), messagebox::iconError, "温馨提示", QMessageBox::Critical},
        {Text(), messagebox::iconError, "信息：", QMessageBox::Critical},
        {"t", messagebox::iconWarning, "t", QMessageBox::Warning},
        {"t", messagebox::okOnly, "t", QMessageBox::NoIcon},
    };
    for (const auto& c : cases) {
        QString caption;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        bool ownerless = false;
        Qt::WindowModality modality = Qt::NonModal;
        whenDialogAppears<QMessageBox>([&](QMessageBox& box) {
            caption = box.windowTitle();
            text = box.text();
            icon = box.icon();
            ownerless = box.parentWidget() == nullptr;
            modality = box.windowModality();
            box.button(QMessageBox::Ok)->click();
        });
        EXPECT_EQ(showMessageBox(gbkFromUtf8("标题不能为空"), c.style, c.caption),
                  messagebox::pressedOk);
        EXPECT_EQ(caption, c.expectedCaption);
        EXPECT_EQ(text, QString("标题不能为空"));
        EXPECT_EQ(icon, c.icon);
        EXPECT_TRUE(ownerless);
        EXPECT_EQ(modality, Qt::ApplicationModal);
    }
}

TEST(MessageBoxTest, ReportsTheButtonPressed) {
    testing::qtApplication();
    whenDialogAppears<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::No)->click(); });
    EXPECT_EQ(showMessageBox("?", messagebox::yesNo | messagebox::iconQuestion, "q"),
              messagebox::pressedNo);
}

TEST(FilterTextTest, BecomesQtFilters) {
    const struct {
        std::string filterText; // UTF-8
        QString expected;
    } cases[] = {
        {"jpg图像文件(*.jpg)|*.jpg", "jpg图像文件(*.jpg) (*.jpg)"},
        {"jpg图像文件(*.jpg)|*.jpg  \t", "jpg图像文件(*.jpg) (*.jpg)"},
        {"JPEG|*.jpg;*.jpeg|All|*", "JPEG (*.jpg;*.jpeg);;All (*)"},
        {"JPEG|*.jpg||", "JPEG (*.jpg)"},
        {"lonely description", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(qtFilterFromFilterText(gbkFromUtf8(c.filterText)), c.expected) << c.filterText;
    }
}

class OpenFileDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::qtApplication();
        std::ofstream(folder.native("照片.jpg")) << "x";
        std::ofstream(folder.native("other.jpg")) << "y";
        dialog.title = gbkFromUtf8("选择图片");
        dialog.filter = gbkFromUtf8("jpg图像文件(*.jpg)|*.jpg");
    }
    testing::ScratchFolder folder;
    OpenFileDialog dialog;
};

TEST_F(OpenFileDialogTest, OkStoresThePathAndOffersItNextTime) {
    QString title;
    QStringList filters;
    whenDialogAppears<QFileDialog>([&](QFileDialog& box) {
        title = box.windowTitle();
        filters = box.nameFilters();
        box.selectFile(QString::fromStdString(folder.native("照片.jpg").string()));
        static_cast<QDialog&>(box).accept(); // QFileDialog::accept, as the Open button does
    });
    ASSERT_TRUE(chooseOpenFile(dialog));
    EXPECT_EQ(dialog.fileName, folder.text("照片.jpg"));
    EXPECT_EQ(title, QString("选择图片"));
    EXPECT_EQ(filters, QStringList{"jpg图像文件(*.jpg) (*.jpg)"});

    QString offered;
    whenDialogAppears<QFileDialog>([&](QFileDialog& box) {
        offered = box.selectedFiles().value(0);
        box.reject();
    });
    EXPECT_FALSE(chooseOpenFile(dialog));
    EXPECT_EQ(offered.toStdString(), folder.native("照片.jpg").string());
    EXPECT_EQ(dialog.fileName, folder.text("照片.jpg")) << "cancel keeps the last path";
}

TEST_F(OpenFileDialogTest, PathThatGbkCannotNameIsNotTaken) {
    dialog.fileName = folder.text("other.jpg");
    whenDialogAppears<QFileDialog>([&](QFileDialog& box) {
        box.selectFile(QString::fromStdString(folder.native("\xF0\x9F\x98\x80.jpg").string()));
        static_cast<QDialog&>(box).accept(); // QFileDialog::accept, as the Open button does
    });
    EXPECT_FALSE(chooseOpenFile(dialog));
    EXPECT_EQ(dialog.fileName, folder.text("other.jpg"));
}

} // namespace
} // namespace zanvik
