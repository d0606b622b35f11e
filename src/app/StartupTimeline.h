#pragma once

class QWidget;

namespace baritemp {

// Start-up's stages as moments, for tools/startup_bench.sh: when BARITEMP_STARTUP_TIMELINE names
// a file, each mark appends "<nanoseconds> <stage>" to it, on the monotonic clock the benchmark
// launches the program by. Without it a mark costs a look at one flag.
class StartupTimeline {
public:
    static void mark(const char* stage);
    // Marks the window's first frame ("<stage>"), once it is painted and handed to the window
    // system.
    static void markFirstFrame(QWidget* window, const char* stage);
};

} // namespace baritemp
