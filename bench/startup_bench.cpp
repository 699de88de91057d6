// Start-up of the program against a floor (by default the same controls with
// no logic; `label` for a one-label window): launches the two probes
// alternately, pairwise, and reports the median wall time from launch to exit
// after the first painted frame, and the peak resident memory.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Run {
    double milliseconds;
    long peakKilobytes;
};

Run Launch(const char* probe, const char* which) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(probe, probe, which, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "startup_bench: %s %s failed\n", probe, which);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss};
}

template <typename T> T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fputs("usage: startup_bench PROBE [PAIRS [widgets|image|label]]\n", stderr);
        return 2;
    }
    const int pairs = argc > 2 ? std::atoi(argv[2]) : 30;
    const char* floor = argc > 3 ? argv[3] : "widgets";
    Launch(argv[1], "form"); // warm the page cache for both
    Launch(argv[1], floor);
    std::vector<double> formTime, floorTime, ratio;
    std::vector<long> formMemory, floorMemory;
    for (int i = 0; i < pairs; ++i) {
        // Alternate which goes first, so that neither always follows the other.
        const bool formFirst = i % 2 == 0;
        const Run a = Launch(argv[1], formFirst ? "form" : floor);
        const Run b = Launch(argv[1], formFirst ? floor : "form");
        const Run& form = formFirst ? a : b;
        const Run& base = formFirst ? b : a;
        formTime.push_back(form.milliseconds);
        floorTime.push_back(base.milliseconds);
        ratio.push_back(form.milliseconds / base.milliseconds);
        formMemory.push_back(form.peakKilobytes);
        floorMemory.push_back(base.peakKilobytes);
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("platform %s, %d pairs against %s\n", platform ? platform : "(default)", pairs,
                floor);
    std::printf("start-up  form %.1f ms  %s %.1f ms  median pairwise ratio %.3f\n",
                Median(formTime), floor, Median(floorTime), Median(ratio));
    std::printf("peak RSS  form %ld KiB  %s %ld KiB  difference %ld KiB\n", Median(formMemory),
                floor, Median(floorMemory), Median(formMemory) - Median(floorMemory));
    return 0;
}
