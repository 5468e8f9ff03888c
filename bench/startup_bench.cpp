// Measures how long Vokta takes from process start to the first paint of its splash window, and its
// peak memory at that moment, beside a bare Qt Widgets window of the same size built the same way.
//
//   vokta_startup_bench [runs]          runs both kinds of child, prints the medians
//   vokta_startup_bench --child vokta   (internal) starts like Vokta, reports at the first paint
//   vokta_startup_bench --child bare    (internal) a plain QWidget instead of the splash
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/Module1.h"
#include "app/frmSplash.h"
#include "ui/Application.h"
#include "ui/Forms.h"
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

int Child(int argc, char** argv, bool vokta) {
    QApplication app(argc, argv);
    FirstPaint watcher;
    QWidget* window = nullptr;
    if (vokta) {
        vokta::ui::SetupApplication(app);
        vokta::ui::Forms::SetLastFormHandler([] {});
        // The splash is created by the entry routine; watch it from the moment it exists.
        app.installEventFilter(&watcher);
        vokta::ui::Module1::Main();
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

struct Sample {
    double ms;
    long kb;
};

Sample RunChild(const QString& self, const char* kind) {
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(self, {"--child", kind});
    child.waitForFinished(30000);
    const double ms = clock.nsecsElapsed() / 1e6;
    long kb = 0;
    std::sscanf(child.readAllStandardOutput().constData(), "painted %ld", &kb);
    return {ms, kb};
}

template <typename T>
T Median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::string(argv[1]) == "--child")
        return Child(argc, argv, std::string(argv[2]) == "vokta");

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> ms[2];
    std::vector<long> kb[2];
    const char* kinds[2] = {"bare", "vokta"};
    for (int i = 0; i < runs; ++i) {
        for (int k = 0; k < 2; ++k) {  // interleaved, so both see the same machine load
            const Sample s = RunChild(self, kinds[k]);
            ms[k].push_back(s.ms);
            kb[k].push_back(s.kb);
        }
    }
    std::printf("%-8s %12s %14s   (median of %d runs, process start to first paint)\n", "window", "time, ms",
                "peak RSS, KiB", runs);
    for (int k = 0; k < 2; ++k) std::printf("%-8s %12.1f %14ld\n", kinds[k], Median(ms[k]), Median(kb[k]));
    std::printf("ratio    %12.2f %14.2f\n", Median(ms[1]) / Median(ms[0]),
                double(Median(kb[1])) / Median(kb[0]));
    return 0;
}
