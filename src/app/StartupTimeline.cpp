#include "StartupTimeline.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace baritemp {

namespace {

std::FILE* timelineFile() {
    // Opened at the first mark, kept open until the process ends (each line is flushed).
    static std::FILE* const file = [] {
        const char* path = std::getenv("BARITEMP_STARTUP_TIMELINE");
        return path != nullptr && *path != '\0' ? std::fopen(path, "a") : nullptr;
    }();
    return file;
}

// Waits for the window's first paint; the frame is on screen once the events of that paint
// are done, when a zero timer started in it fires.
class FirstFrame : public QObject {
public:
    FirstFrame(QWidget* window, const char* stage) : QObject(window), stage_(stage) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            parent()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                StartupTimeline::mark(stage_);
                deleteLater();
            });
        }
        return false;
    }

private:
    const char* stage_;
};

} // namespace

void StartupTimeline::mark(const char* stage) {
    std::FILE* file = timelineFile();
    if (file == nullptr)
        return;
    const long long nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                      std::chrono::steady_clock::now().time_since_epoch())
                                      .count();
    std::fprintf(file, "%lld %s\n", nanoseconds, stage);
    std::fflush(file);
}

void StartupTimeline::markFirstFrame(QWidget* window, const char* stage) {
    if (timelineFile() == nullptr)
        return;
    window->installEventFilter(new FirstFrame(window, stage));
}

} // namespace baritemp
