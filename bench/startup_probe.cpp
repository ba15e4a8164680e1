// Starts a program on an X display and measures, from the launch, the time until its
// window's pixels are on the screen: it watches a point of the (black) root window that
// the program's client area covers until it changes colour. One second later it reads
// the program's proportional set size, then ends it.
//   startup_probe PROGRAM X Y        prints: <milliseconds> <PSS in KiB>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <cstdio>

static long pssKiB(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (line.startsWith("Pss:"))
            return line.mid(4).trimmed().split(' ').first().toLong();
    return -1;
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_probe PROGRAM X Y\n");
        return 2;
    }
    const int x = QByteArray(argv[2]).toInt();
    const int y = QByteArray(argv[3]).toInt();
    QScreen *screen = QGuiApplication::primaryScreen();
    const auto colourAt = [&] { return screen->grabWindow(0, x, y, 1, 1).toImage().pixel(0, 0); };
    const QRgb before = colourAt();

    QProcess program;
    program.setProgram(QString::fromLocal8Bit(argv[1]));
    program.setStandardOutputFile(QProcess::nullDevice());
    program.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    program.start();
    if (!program.waitForStarted(10000))
        return 3;
    while (colourAt() == before) {
        if (clock.elapsed() > 20000)
            return 4;
        QThread::usleep(200);
    }
    const double ms = clock.nsecsElapsed() / 1e6;
    QThread::sleep(1);
    const long pss = pssKiB(program.processId());
    program.kill();
    program.waitForFinished();
    std::printf("%.1f %ld\n", ms, pss);
    return 0;
}
