// Measures how long Vokta takes from process start to the first paint of its splash window, and its
// peak memory at that moment, beside a bare Qt Widgets window of the same size built the same way.
// The bare window runs from an executable of its own (this file built with VOKTA_STARTUP_BARE) that
// links Qt Widgets alone, so that it loads none of the libraries Vokta links; Vokta's child links what
// the program links.
//
//   vokta_startup_bench [runs]          runs both kinds of child, prints the medians
//   vokta_startup_bench --child vokta   (internal) starts like Vokta, reports at the first paint
//   vokta_startup_bare --child bare     (internal) a plain QWidget instead of the splash
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

#ifndef VOKTA_STARTUP_BARE
#include "app/Module1.h"
#include "ui/Application.h"
#include "ui/Forms.h"
#endif
#include "ui/Twips.h"

namespace {

// Reports the peak resident memory and quits at the first paint of the watched window.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("painted %ld\n", usage.ru_maxrss);  // kilobytes
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool done_ = false;
};

int Run(int argc, char** argv, bool vokta) {
    QApplication app(argc, argv);
    FirstPaint watcher;
    QWidget* window = nullptr;
    if (vokta) {
#ifndef VOKTA_STARTUP_BARE
        vokta::ui::SetupApplication(app);
        vokta::ui::Forms::SetLastFormHandler([] {});
        // The splash is created by the entry routine; watch it from the moment it exists.
        app.installEventFilter(&watcher);
        vokta::ui::Module1::Main();
#endif
    } else {
        window = new QWidget(nullptr, Qt::Dialog);
        window->setFixedSize(vokta::ui::twips(7455), vokta::ui::twips(4710));
        window->installEventFilter(&watcher);
        window->show();
        window->repaint();
    }
    const int rc = app.exec();
    delete window;
    return rc;
}

// Runs the child and reports the processor time it used, in microseconds, from its start to the end of
// its application, as the wall-clock time counts it: on a shared machine the time a process waits for
// a processor shows in its wall-clock time only.
int Child(int argc, char** argv, bool vokta) {
    const int rc = Run(argc, argv, vokta);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("cpu %ld\n", (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000L +
                                 usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
    return rc;
}

#ifndef VOKTA_STARTUP_BARE
struct Sample {
    double ms;
    long kb;
    double cpuMs;
};

Sample RunChild(const QString& program, const char* kind) {
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(program, {"--child", kind});
    child.waitForFinished(30000);
    const double ms = clock.nsecsElapsed() / 1e6;
    long kb = 0, cpu = 0;
    std::sscanf(child.readAllStandardOutput().constData(), "painted %ld cpu %ld", &kb, &cpu);
    return {ms, kb, cpu / 1e3};
}

template <typename T>
T Median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef VOKTA_STARTUP_BARE
    return Child(argc, argv, false);
#else
    if (argc >= 3 && std::string(argv[1]) == "--child")
        return Child(argc, argv, std::string(argv[2]) == "vokta");

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    QCoreApplication app(argc, argv);
    const QString programs[2] = {
        QCoreApplication::applicationDirPath() + QStringLiteral("/vokta_startup_bare"),
        QCoreApplication::applicationFilePath()};
    std::vector<double> ms[2];
    std::vector<long> kb[2];
    std::vector<double> cpuMs[2];
    const char* kinds[2] = {"bare", "vokta"};
    for (int i = 0; i < runs; ++i) {
        for (int k = 0; k < 2; ++k) {  // interleaved, so both see the same machine load
            const Sample s = RunChild(programs[k], kinds[k]);
            ms[k].push_back(s.ms);
            kb[k].push_back(s.kb);
            cpuMs[k].push_back(s.cpuMs);
        }
    }
    std::printf(
        "%-8s %12s %14s %14s   (median of %d runs: the time and the processor time from process start\n"
        "%-8s %12s %14s %14s   to the end that follows the first paint, the peak memory at that paint)\n",
        "window", "time, ms", "CPU, ms", "peak RSS, KiB", runs, "", "", "", "");
    for (int k = 0; k < 2; ++k)
        std::printf("%-8s %12.1f %14.1f %14ld\n", kinds[k], Median(ms[k]), Median(cpuMs[k]), Median(kb[k]));
    std::printf("ratio    %12.2f %14.2f %14.2f\n", Median(ms[1]) / Median(ms[0]),
                Median(cpuMs[1]) / Median(cpuMs[0]), double(Median(kb[1])) / Median(kb[0]));
    return 0;
#endif
}
