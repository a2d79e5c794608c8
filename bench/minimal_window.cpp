// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up benchmark's floor: a plain toolkit main window of the main window's size with four
// buttons, and nothing else.

#include <QApplication>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QWidget>

namespace {

constexpr int kWidth = 999;
constexpr int kHeight = 640;

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto* buttons = new QWidget(&window);
    auto* layout = new QHBoxLayout(buttons);
    for (const char* text : { "One", "Two", "Three", "Four" })
        layout->addWidget(new QPushButton(QString::fromLatin1(text), buttons));
    window.setCentralWidget(buttons);
    window.setFixedSize(kWidth, kHeight);
    window.show();
    return QApplication::exec();
}
