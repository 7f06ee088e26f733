#include "app/outofmemorybox.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace zanvik {

void showOutOfMemoryBox(std::size_t bytesAsked) {
    std::fprintf(stderr, "Zanvik: out of memory: could not allocate %zu bytes.\n", bytesAsked);
    if (QApplication::instance() == nullptr) {
        return;
    }
    QMessageBox::critical(nullptr, QStringLiteral("Zanvik1.2"),
                          QStringLiteral("内存不足，程序将退出。\n(%1 字节)").arg(bytesAsked));
}

} // namespace zanvik
