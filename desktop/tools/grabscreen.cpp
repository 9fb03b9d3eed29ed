// Saves a PNG of what a virtual X display shows once a window on it has settled: the smallest
// rectangle holding everything that differs from the black background.
//
//   grabscreen OUTPUT.png [TIMEOUT_MS]

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>
#include <QThread>

namespace {

QRect contentRect(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qRed(line[x]) | qGreen(line[x]) | qBlue(line[x]))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// Two shots of the same window that differ in no more pixels than a blinking text cursor has.
bool alike(const QImage &a, const QImage &b)
{
    if (a.isNull() || a.size() != b.size())
        return false;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto *lineA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *lineB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            differing += lineA[x] != lineB[x];
    }
    return differing <= 64;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    QTextStream err(stderr);
    if (argc < 2) {
        err << "usage: grabscreen OUTPUT.png [TIMEOUT_MS]\n";
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    const int timeout = argc > 2 ? QByteArray(argv[2]).toInt() : 15000;

    QImage previous;
    int stableRounds = 0;
    for (int waited = 0; waited < timeout; waited += 200) {
        const QImage screen =
            QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
                QImage::Format_RGB32);
        const QRect box = contentRect(screen);
        const QImage shot = box.isEmpty() ? QImage() : screen.copy(box);
        stableRounds = alike(shot, previous) ? stableRounds + 1 : 0;
        if (stableRounds >= 3)
            return shot.save(output, "PNG") ? 0 : 1;
        previous = shot;
        QThread::msleep(200);
    }
    err << "grabscreen: no settled window within " << timeout << " ms\n";
    return 1;
}
