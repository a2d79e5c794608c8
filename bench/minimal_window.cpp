// The start-up benchmark's baseline: what the toolkit alone costs for a window of the main
// window's size, reported the way the application reports its own first paint.

#include "app/startup_probe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

constexpr int kWidth = 999;
constexpr int kHeight = 640;

class MinimalWindow final : public QWidget
{
public:
    explicit MinimalWindow(const QElapsedTimer& sinceStart)
        : m_sinceStart(sinceStart)
    {
        setFixedSize(kWidth, kHeight);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).fillRect(rect(), palette().window());
        if (m_reported)
            return;
        m_reported = true;
        // Like the application: once the paint has returned and the frame is on its way.
        QTimer::singleShot(0, this, [this] {
            std::printf("%s %lld\n", kFirstPaintLine, static_cast<long long>(m_sinceStart.elapsed()));
            std::fflush(stdout);
        });
    }

private:
    const QElapsedTimer& m_sinceStart;
    bool m_reported = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    MinimalWindow window(sinceStart);
    window.show();
    return QApplication::exec();
}
