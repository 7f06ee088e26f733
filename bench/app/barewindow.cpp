// The baseline of the start-up benchmark: a bare Qt Widgets program that shows one empty window
// of MainWindow's size with a caption, and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("bare-window-baseline");
    window.resize(463, 274);
    window.show();
    return QApplication::exec();
}
