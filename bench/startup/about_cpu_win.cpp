// The About window's CPU use while its star field and labels animate, seen from a second process
// under Wine: tolsy.exe and the minimal window are started side by side, the mouse is moved
// away, and each process's CPU time is read (process_cpu_win.h) over ten seconds, first with
// tolsy.exe's main window at rest, then with its About window open. About is opened as a user
// opens it, with real keys: Alt+Space for the window menu, End, Up twice, Enter.
//
//   bench_about_cpu.exe [rounds]    (3 rounds by default)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "bench/startup/process_cpu_win.h"

namespace {

constexpr DWORD kSpanMs = 10000;

std::wstring beside_this_program(const wchar_t* file) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p(path);
    return p.substr(0, p.find_last_of(L"\\/") + 1) + file;
}

// Milliseconds of CPU time the process has used, user and kernel.
double cpu_ms(DWORD process_id) {
    return static_cast<double>(process_cpu_time(process_id)) / 10000.0;
}

struct Started {
    PROCESS_INFORMATION info{};
    bool ok = false;

    explicit Started(const wchar_t* exe) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        const std::wstring path = beside_this_program(exe);
        std::wstring command = L"\"" + path + L"\"";
        ok = CreateProcessW(path.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &info) != FALSE;
    }
    ~Started() {
        if (!ok) return;
        TerminateProcess(info.hProcess, 0);
        WaitForSingleObject(info.hProcess, 5000);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;

    // The process's visible top-level window with that caption, waited for up to 15 s.
    HWND wait_window(const wchar_t* caption) const {
        struct Search {
            DWORD pid;
            const wchar_t* caption;
            HWND found;
        } search{info.dwProcessId, caption, nullptr};
        for (int i = 0; i < 1500 && ok && search.found == nullptr; ++i) {
            EnumWindows(
                [](HWND window, LPARAM data) -> BOOL {
                    auto* s = reinterpret_cast<Search*>(data);
                    DWORD owner = 0;
                    GetWindowThreadProcessId(window, &owner);
                    wchar_t text[64] = {};
                    GetWindowTextW(window, text, 64);
                    if (owner != s->pid || !IsWindowVisible(window) || wcscmp(text, s->caption))
                        return TRUE;
                    s->found = window;
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(&search));
            if (search.found == nullptr) Sleep(10);
        }
        return search.found;
    }
};

INPUT key(WORD code, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = code;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

// Presses the keys together, then lets them go in reverse order.
void press(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD k : keys) inputs.push_back(key(k, false));
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) inputs.push_back(key(*it, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(150);
}

struct Round {
    double tolsy_idle, minimal_idle, tolsy_about, minimal_about;
};

// Both programs' CPU time over the next ten seconds.
std::pair<double, double> over_span(const Started& a, const Started& b) {
    const double a0 = cpu_ms(a.info.dwProcessId);
    const double b0 = cpu_ms(b.info.dwProcessId);
    Sleep(kSpanMs);
    return {cpu_ms(a.info.dwProcessId) - a0, cpu_ms(b.info.dwProcessId) - b0};
}

bool one_round(Round& round) {
    Started minimal(L"bench_minimal_window.exe");
    Started tolsy(L"tolsy.exe");
    if (minimal.wait_window(L"Minimal window") == nullptr) return false;
    const HWND main_window = tolsy.wait_window(L"Framewright");
    if (main_window == nullptr) return false;
    SetCursorPos(5, 5);
    Sleep(1500);
    std::tie(round.tolsy_idle, round.minimal_idle) = over_span(tolsy, minimal);

    SetForegroundWindow(main_window);
    Sleep(300);
    press({VK_MENU, VK_SPACE});
    press({VK_END});
    press({VK_UP});
    press({VK_UP});
    press({VK_RETURN});
    if (tolsy.wait_window(L"About") == nullptr) return false;
    SetCursorPos(5, 5);
    Sleep(1000);
    std::tie(round.tolsy_about, round.minimal_about) = over_span(tolsy, minimal);
    return true;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    std::vector<Round> done;
    for (int i = 0; i < rounds; ++i) {
        Round r{};
        if (!one_round(r)) {
            std::printf("round %d: a window did not appear\n", i + 1);
            continue;
        }
        std::printf(
            "round %d: CPU ms per 10 s  tolsy.exe at rest %6.0f  with About open %6.0f"
            "  |  minimal window %6.0f, %6.0f\n",
            i + 1, r.tolsy_idle, r.tolsy_about, r.minimal_idle, r.minimal_about);
        done.push_back(r);
    }
    if (done.empty()) return 1;
    auto pick = [&](double Round::*field) {
        std::vector<double> v;
        for (const Round& r : done) v.push_back(r.*field);
        return median(v);
    };
    const double about = pick(&Round::tolsy_about);
    std::printf(
        "medians over %zu rounds, CPU ms per 10 s: About animating %.0f (%.1f %% of one "
        "core), tolsy.exe at rest %.0f, minimal window %.0f and %.0f\n",
        done.size(), about, about / kSpanMs * 100.0, pick(&Round::tolsy_idle),
        pick(&Round::minimal_idle), pick(&Round::minimal_about));
    return 0;
}
