// Start-up under Wine, seen from a second process: the time from creating the process to the
// main window's first complete paint, for tolsy.exe and for a minimal window of the same size,
// alternated in one warm prefix. "Complete" is judged from the screen: the window's pixels are
// read every millisecond or so, and the paint is complete at the first reading that equals one
// of the readings of the last half second of a two-second watch (so a blinking caret does not
// keep the picture from settling).
//
// Both programs also report their own start-up steps: the benchmark names a file in the
// environment variable TOLSY_STARTUP_MARKS, the program writes the performance counter at each
// step there once it has painted, and the benchmark prints the median time of each step from
// the program's step before it (the first from creating the process), with the complete paint
// seen on the screen after the program's "painted". From the marks it also prints the time from
// each program's entry to its complete paint: Wine's making of the process before the entry
// varies by tens of milliseconds from start to start, so builds compare best by that part.
//
//   bench_startup.exe [runs] [copy.exe ...]
//
// 20 runs of each by default, after one warm-up run of each. The floor window (the minimal
// window with the libraries and the tab row tolsy.exe cannot start without) runs with them, to
// show how near tolsy.exe could come at best; tolsy.exe's ratio to it, what tolsy.exe adds on
// top of what it cannot leave out, is printed too. The help window (the minimal window that only
// loads the help viewer library, which tolsy.exe loads at start-up by design) runs with them as
// well, to show what that load alone costs. Each ratio is also given round by round, with its
// quartiles. Further arguments name other builds of tolsy.exe beside the benchmark (a stripped
// copy, a version to compare with), which are alternated with the four in the same runs.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr DWORD kWatchMs = 2000;
constexpr DWORD kSettledMs = 500;
constexpr DWORD kSettleAfterEndMs = 300;

double now_ms() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

std::wstring beside_this_program(const wchar_t* file) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p(path);
    return p.substr(0, p.find_last_of(L"\\/") + 1) + file;
}

// Looking for the program's window means asking the Wine server, which serves one request at a
// time, about another process's windows, while the program measured makes its own requests.
// So each millisecond the benchmark asks one question, which window the program's first thread
// has made active (the programs measured show and activate their window there), and only every
// 20 ms, in case that finds nothing, looks through that thread's windows.
constexpr double kFullLookMs = 20.0;

bool shows_caption(HWND window, const std::wstring& caption) {
    if (window == nullptr || !IsWindowVisible(window)) return false;
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return caption == text;
}

HWND active_window(DWORD thread, const std::wstring& caption) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(thread, &info)) return nullptr;
    return shows_caption(info.hwndActive, caption) ? info.hwndActive : nullptr;
}

HWND find_window(DWORD thread, const std::wstring& caption) {
    struct Search {
        const std::wstring* caption;
        HWND found;
    } search{&caption, nullptr};
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (!shows_caption(window, *s->caption)) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The window's rectangle as it is on the screen, reduced to a hash.
std::uint64_t screen_hash(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return 0;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    std::uint64_t hash = 1469598103934665603ull;
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int i = 0; i < width * height; ++i)
        hash = (hash ^ (pixels[i] & 0xFFFFFF)) * 1099511628211ull;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return hash;
}

struct Step {
    std::string label;
    double at_ms;            // from creating the process
    bool on_screen = false;  // seen by the benchmark rather than marked by the program
};

struct Target {
    std::wstring exe;
    const wchar_t* caption;
    // Each round's time, negative where the window was not seen: set beside the other programs'
    // starts of the same round.
    std::vector<double> times;
    // Each step's duration (from the step before it) per run, for the runs that reported the
    // same steps as the first one that reported any.
    std::vector<std::string> step_labels;
    std::vector<std::vector<double>> step_ms;
    // From the program's entry to the complete paint on the screen, per run: the part of
    // start-up the program can change, without Wine's making of the process before it, which
    // varies by tens of milliseconds from start to start.
    std::vector<double> from_entry;
    // How each run's window was found: as the active window, or by the slower look.
    int found_active = 0;
    int found_by_looking = 0;

    // The times of the rounds whose window was seen.
    std::vector<double> seen() const {
        std::vector<double> out;
        std::copy_if(times.begin(), times.end(), std::back_inserter(out),
                     [](double ms) { return ms >= 0; });
        return out;
    }

    void add_steps(const std::vector<Step>& steps) {
        if (steps.empty()) return;
        const auto at = [&](const char* label) {
            const auto it = std::find_if(steps.begin(), steps.end(),
                                         [&](const Step& s) { return s.label == label; });
            return it == steps.end() ? -1.0 : it->at_ms;
        };
        const double entry = at("entry");
        const double complete = at("complete on the screen");
        if (entry >= 0 && complete >= 0) from_entry.push_back(complete - entry);
        if (step_labels.empty()) {
            for (const Step& s : steps) step_labels.push_back(s.label);
            step_ms.resize(steps.size());
        }
        if (steps.size() != step_labels.size()) return;
        for (std::size_t k = 0; k < steps.size(); ++k)
            if (steps[k].label != step_labels[k]) return;
        // Each step from the program's step before it.
        double before = 0.0;
        for (std::size_t k = 0; k < steps.size(); ++k) {
            step_ms[k].push_back(steps[k].at_ms - before);
            if (!steps[k].on_screen) before = steps[k].at_ms;
        }
    }
};

// The steps a program wrote to `file` ("frequency <f>", then "<counter> <label>" lines), in
// milliseconds from `t0_ms`; empty when there is no such file.
std::vector<Step> read_steps(const std::wstring& file, double t0_ms) {
    std::FILE* in = _wfopen(file.c_str(), L"r");
    if (in == nullptr) return {};
    std::vector<Step> steps;
    long long frequency = 0;
    if (std::fscanf(in, "frequency %lld", &frequency) == 1 && frequency > 0) {
        long long counter = 0;
        char label[64];
        while (std::fscanf(in, " %lld %63[^\r\n]", &counter, label) == 2) {
            steps.push_back(
                {label,
                 static_cast<double>(counter) * 1000.0 / static_cast<double>(frequency) - t0_ms});
        }
    }
    std::fclose(in);
    return steps;
}

// One start: milliseconds from creating the process to its window's complete paint; negative
// when the window never appeared. The steps the program reported go to `steps`, and the
// complete paint seen on the screen after them.
double start_once(Target& target, std::vector<Step>* steps = nullptr) {
    std::wstring steps_file;
    if (steps != nullptr) {
        steps->clear();
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        steps_file = std::wstring(folder) + L"tolsy_startup_marks.txt";
        DeleteFileW(steps_file.c_str());
    }
    SetEnvironmentVariableW(L"TOLSY_STARTUP_MARKS", steps ? steps_file.c_str() : nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring path = beside_this_program(target.exe.c_str());
    std::wstring command = L"\"" + path + L"\"";
    const double t0 = now_ms();
    if (!CreateProcessW(path.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return -1;
    struct Reading {
        double at;
        std::uint64_t hash;
    };
    std::vector<Reading> readings;
    HWND window = nullptr;
    double found_at = 0;
    double looked_at = t0;
    for (;;) {
        const double t = now_ms();
        if (window == nullptr) {
            window = active_window(process.dwThreadId, target.caption);
            if (window != nullptr) {
                ++target.found_active;
            } else if (t - looked_at >= kFullLookMs) {
                looked_at = t;
                window = find_window(process.dwThreadId, target.caption);
                if (window != nullptr) ++target.found_by_looking;
            }
            if (window != nullptr) found_at = t;
            if (window == nullptr && t - t0 > 15000) break;
        }
        if (window != nullptr) {
            readings.push_back({t - t0, screen_hash(window)});
            if (t - found_at > kWatchMs) break;
        }
        Sleep(1);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // The system goes on taking the ended program's windows down for a while after it has
    // ended (the more windows, the longer); the next program starts once that is over, not
    // in its wake.
    Sleep(kSettleAfterEndMs);
    if (readings.empty()) return -1;
    const double settled_from = readings.back().at - kSettledMs;
    std::vector<std::uint64_t> settled;
    for (const Reading& r : readings)
        if (r.at >= settled_from) settled.push_back(r.hash);
    for (const Reading& r : readings) {
        if (std::find(settled.begin(), settled.end(), r.hash) == settled.end()) continue;
        if (steps != nullptr) {
            // The paint seen on the screen goes after the program's "painted" mark, if any.
            *steps = read_steps(steps_file, t0);
            auto painted = std::find_if(steps->begin(), steps->end(),
                                        [](const Step& s) { return s.label == "painted"; });
            if (!steps->empty())
                steps->insert(painted == steps->end() ? painted : painted + 1,
                              {"complete on the screen", r.at, true});
        }
        return r.at;
    }
    return -1;
}

double quantile(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(q * static_cast<double>(v.size() - 1))];
}

// The ratio of each round's start of `a` to the start of `b` in the same round, with its
// quartiles: the spread of the ratio itself, which the ratio of the medians does not show.
void print_ratio_by_round(const Target& a, const Target& b) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < a.times.size() && i < b.times.size(); ++i)
        if (a.times[i] > 0 && b.times[i] > 0) ratios.push_back(a.times[i] / b.times[i]);
    if (ratios.empty()) return;
    std::printf("ratio round by round, %ls against %ls: median %.2f  quartiles %.2f .. %.2f\n",
                a.exe.c_str(), b.exe.c_str(), quantile(ratios, 0.5), quantile(ratios, 0.25),
                quantile(ratios, 0.75));
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    std::vector<Target> targets;
    targets.push_back({L"tolsy.exe", L"Framewright", {}, {}, {}, {}});
    targets.push_back({L"bench_minimal_window.exe", L"Minimal window", {}, {}, {}, {}});
    targets.push_back({L"bench_floor_window.exe", L"Floor window", {}, {}, {}, {}});
    targets.push_back({L"bench_help_window.exe", L"Help window", {}, {}, {}, {}});
    for (int a = 2; a < argc; ++a) {
        const std::string name = argv[a];
        targets.push_back({std::wstring(name.begin(), name.end()), L"Framewright", {}, {}, {}, {}});
    }
    const Target& tolsy = targets[0];
    const Target& minimal = targets[1];
    const Target& floor_window = targets[2];
    // Warm-up: the prefix, the fonts and the file cache.
    for (Target& t : targets) {
        start_once(t);
        t.found_active = t.found_by_looking = 0;
    }
    for (int i = 0; i < runs; ++i) {
        for (Target* t = targets.data(); t != targets.data() + targets.size(); ++t) {
            std::vector<Step> steps;
            const double ms = start_once(*t, &steps);
            t->times.push_back(ms);
            t->add_steps(steps);
        }
    }
    for (const Target& t : targets) {
        const std::vector<double> seen = t.seen();
        if (seen.empty()) {
            std::printf("%ls: the window never appeared\n", t.exe.c_str());
            return 1;
        }
        std::printf(
            "%-26ls runs %2zu  median %7.1f ms  quartiles %7.1f .. %7.1f  min %7.1f  max %7.1f"
            "  (window found active %d, by looking %d)\n",
            t.exe.c_str(), seen.size(), quantile(seen, 0.5), quantile(seen, 0.25),
            quantile(seen, 0.75), quantile(seen, 0.0), quantile(seen, 1.0), t.found_active,
            t.found_by_looking);
    }
    const auto median = [](const Target& t) { return quantile(t.seen(), 0.5); };
    std::printf("ratio of medians: %.2f (goal 1.15)\n", median(tolsy) / median(minimal));
    for (std::size_t k = 2; k < targets.size(); ++k)
        std::printf("ratio of medians, %ls: %.2f\n", targets[k].exe.c_str(),
                    median(targets[k]) / median(minimal));
    // What tolsy.exe adds on top of what it cannot start without.
    std::printf("ratio of medians, tolsy.exe against %ls: %.2f\n", floor_window.exe.c_str(),
                median(tolsy) / median(floor_window));
    print_ratio_by_round(tolsy, minimal);
    print_ratio_by_round(floor_window, minimal);
    print_ratio_by_round(tolsy, floor_window);
    for (const Target& t : targets) {
        if (t.from_entry.empty()) continue;
        std::printf(
            "%-26ls from its entry to the complete paint: median %7.1f ms  quartiles"
            " %7.1f .. %7.1f",
            t.exe.c_str(), quantile(t.from_entry, 0.5), quantile(t.from_entry, 0.25),
            quantile(t.from_entry, 0.75));
        if (&t != &minimal && !minimal.from_entry.empty())
            std::printf("  (%.2f x the minimal window's)",
                        quantile(t.from_entry, 0.5) / quantile(minimal.from_entry, 0.5));
        std::printf("\n");
    }
    for (const Target& target : targets) {
        const Target* t = &target;
        if (t->step_labels.empty()) {
            std::printf("%ls reported no start-up steps\n", t->exe.c_str());
            continue;
        }
        std::printf(
            "%ls's start-up by its own marks (%zu runs): each step from the one before,"
            " the first from creating the process\n",
            t->exe.c_str(), t->step_ms[0].size());
        for (std::size_t k = 0; k < t->step_labels.size(); ++k) {
            std::printf("  %2zu %-28s median %7.2f ms  quartiles %7.2f .. %7.2f\n", k,
                        t->step_labels[k].c_str(), quantile(t->step_ms[k], 0.5),
                        quantile(t->step_ms[k], 0.25), quantile(t->step_ms[k], 0.75));
        }
    }
    return 0;
}
