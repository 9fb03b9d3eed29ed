// Loaded into a program with LD_PRELOAD: once its first window has been painted and put on the
// screen, prints the wall-clock time of that moment and, a little later, the resident memory,
// and ends the program. The program itself is not changed.
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace {

long long nowMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec * 1000000LL + now.tv_nsec / 1000;
}

long long residentKibibytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

class PaintProbe : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_seen || event->type() != QEvent::Paint || !watched->isWidgetType() ||
            !static_cast<QWidget *>(watched)->isWindow())
            return false;
        m_seen = true;
        // The rest of the frame is painted and flushed before the event loop runs this.
        QTimer::singleShot(0, this, [this] {
            const long long painted = nowMicroseconds();
            QTimer::singleShot(300, this, [painted] {
                std::fprintf(stderr, "paintprobe: painted_us=%lld rss_kib=%lld\n", painted,
                             residentKibibytes());
                QCoreApplication::exit(0);
            });
        });
        return false;
    }

private:
    bool m_seen = false;
};

void installProbe()
{
    QCoreApplication::instance()->installEventFilter(new PaintProbe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
