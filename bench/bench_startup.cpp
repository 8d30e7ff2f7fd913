// Start-up of the real program, watched from outside: the time from the
// process start to the first picture its window puts on the X screen, against
// a bare Qt window of the same size started the same way, in alternating runs
// on the same display. Nothing inside either program is touched.
//
// The X server's DAMAGE extension reports every drawing on the screen. A
// toolkit window has no background of its own, so mapping it draws nothing:
// the first damage after the window is mapped is the program's first paint.
//
//   bench_startup [-n runs] program [bare_window]
//
// Run it on a display of its own (DISPLAY=:98 with Xvfb, no other client).
// The children inherit the environment, SDL_AUDIODRIVER included.
#include <X11/Xlib.h>

#include <dlfcn.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// libXdamage is on every X desktop, but its header package is not needed
// by anything else here: the three calls are looked up at run time.
using Damage = XID;
struct DamageNotifyEvent {
    int type;
    unsigned long serial;
    Bool send_event;
    Display* display;
    Drawable drawable;
    Damage damage;
    int level;
    Bool more;
    Time timestamp;
    XRectangle area;
    XRectangle geometry;
};
constexpr int kReportRawRectangles = 0;

struct DamageApi {
    Bool (*queryExtension)(Display*, int*, int*) = nullptr;
    Damage (*create)(Display*, Drawable, int) = nullptr;
    void (*destroy)(Display*, Damage) = nullptr;

    bool load()
    {
        void* lib = dlopen("libXdamage.so.1", RTLD_NOW);
        if (!lib)
            return false;
        queryExtension = reinterpret_cast<decltype(queryExtension)>(dlsym(lib, "XDamageQueryExtension"));
        create = reinterpret_cast<decltype(create)>(dlsym(lib, "XDamageCreate"));
        destroy = reinterpret_cast<decltype(destroy)>(dlsym(lib, "XDamageDestroy"));
        return queryExtension && create && destroy;
    }
};

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct Run {
    double firstPaintMs = -1;
    int width = 0;
    int height = 0;
};

// Starts argv, waits (at most 20 s) for its first paint, then ends it.
Run measure(Display* display, const DamageApi& damage, int damageEvent, std::vector<std::string> args)
{
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    const Damage watch = damage.create(display, root, kReportRawRectangles);
    XSync(display, False);
    XEvent event;
    while (XPending(display))
        XNextEvent(display, &event);   // drawings from before the start

    Run run;
    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    bool mapped = false;
    while (run.firstPaintMs < 0 && nowMs() - start < 20000) {
        if (!XPending(display)) {
            usleep(100);
            continue;
        }
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect) {
            XWindowAttributes attributes;
            XGetWindowAttributes(display, event.xmap.window, &attributes);
            run.width = attributes.width;
            run.height = attributes.height;
            mapped = true;
        } else if (event.type == damageEvent && mapped) {
            run.firstPaintMs = nowMs() - start;
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    damage.destroy(display, watch);
    XSelectInput(display, root, NoEventMask);
    XSync(display, False);
    usleep(200 * 1000);   // let the server and the file system settle
    return run;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    int runs = 15;
    int first = 1;
    if (argc > 2 && std::string(argv[1]) == "-n") {
        runs = std::atoi(argv[2]);
        first = 3;
    }
    if (argc <= first) {
        std::fprintf(stderr, "uso: %s [-n execuções] programa [janela_vazia]\n", argv[0]);
        return 2;
    }
    const std::string program = argv[first];
    std::string bare = argc > first + 1 ? argv[first + 1] : "";
    if (bare.empty()) {
        const std::string self = argv[0];
        bare = self.substr(0, self.rfind('/') + 1) + "bare_window";
    }

    Display* display = XOpenDisplay(nullptr);
    DamageApi damage;
    int damageEvent = 0;
    int damageError = 0;
    if (!display || !damage.load() || !damage.queryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "bench_startup: é preciso um servidor X com a extensão DAMAGE (DISPLAY)\n");
        return 2;
    }

    // One run of the program first, for its window size, which the bare
    // window then takes; then alternating runs, so both see the same machine.
    const Run probe = measure(display, damage, damageEvent, {program});
    if (probe.firstPaintMs < 0) {
        std::fprintf(stderr, "bench_startup: %s não pintou janela em 20 s\n", program.c_str());
        return 1;
    }
    std::vector<double> programMs, bareMs;
    for (int i = 0; i < runs; ++i) {
        const Run p = measure(display, damage, damageEvent, {program});
        const Run b = measure(display, damage, damageEvent,
                              {bare, std::to_string(probe.width), std::to_string(probe.height)});
        if (p.firstPaintMs > 0)
            programMs.push_back(p.firstPaintMs);
        if (b.firstPaintMs > 0)
            bareMs.push_back(b.firstPaintMs);
    }
    const double p = median(programMs);
    const double b = median(bareMs);
    std::printf("janela %dx%d, %d execuções alternadas\n", probe.width, probe.height, runs);
    std::printf("programa:      mediana %7.1f ms (mín %.1f, máx %.1f)\n", p,
                *std::min_element(programMs.begin(), programMs.end()),
                *std::max_element(programMs.begin(), programMs.end()));
    std::printf("janela vazia:  mediana %7.1f ms (mín %.1f, máx %.1f)\n", b,
                *std::min_element(bareMs.begin(), bareMs.end()), *std::max_element(bareMs.begin(), bareMs.end()));
    std::printf("razão:         %.2f\n", b > 0 ? p / b : 0.0);
    XCloseDisplay(display);
    return 0;
}
