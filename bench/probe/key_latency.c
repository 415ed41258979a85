// key_latency SWAP_LOG COUNT KEYSYM [PAUSE_MS]: presses KEYSYM COUNT times
// through XTest on $DISPLAY and prints, one line per press, the milliseconds
// from the press leaving this program (the time is taken right before the
// XFlush that sends it) to the first swap stamped in SWAP_LOG after it.
// The key is released once the frame is seen, then PAUSE_MS (default 100)
// lets the program settle before the next press.
#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

enum { WaitLimitMs = 5000 };

static double Now(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (double)now.tv_sec + (double)now.tv_nsec * 1e-9;
}

static void SleepMs(double ms) {
    const long long ns = (long long)(ms * 1e6);
    struct timespec pause = {(time_t)(ns / 1000000000LL), (long)(ns % 1000000000LL)};
    while (nanosleep(&pause, &pause) != 0 && errno == EINTR) {
    }
}

// Reads the log from *offset on and returns the first complete stamp later
// than after, or 0 when there is none yet. Consumed lines are skipped next
// time.
static double NextSwapAfter(int fd, off_t* offset, double after) {
    char buffer[4096];
    for (;;) {
        const ssize_t got = pread(fd, buffer, sizeof buffer - 1, *offset);
        if (got <= 0) {
            return 0;
        }
        buffer[got] = '\0';
        char* line = buffer;
        char* end;
        while ((end = strchr(line, '\n')) != NULL) {
            *end = '\0';
            *offset += (off_t)(end - line + 1);
            const double stamp = strtod(line, NULL);
            if (stamp > after) {
                return stamp;
            }
            line = end + 1;
        }
        if (line == buffer) {
            return 0;  // half a line: the writer is not done with it
        }
    }
}

int main(int argc, char** argv) {
    if (argc < 4 || argc > 5) {
        fprintf(stderr, "usage: key_latency SWAP_LOG COUNT KEYSYM [PAUSE_MS]\n");
        return 2;
    }
    const char* logPath = argv[1];
    const int count = atoi(argv[2]);
    const double pauseMs = argc == 5 ? atof(argv[4]) : 100.0;
    if (count < 1 || pauseMs < 0) {
        fprintf(stderr, "key_latency: COUNT must be at least 1 and PAUSE_MS not negative\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "key_latency: cannot open the display\n");
        return 2;
    }
    int eventBase, errorBase, major, minor;
    if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
        fprintf(stderr, "key_latency: the display has no XTest extension\n");
        return 2;
    }
    const KeySym keysym = XStringToKeysym(argv[3]);
    const KeyCode keycode = keysym == NoSymbol ? 0 : XKeysymToKeycode(display, keysym);
    if (keycode == 0) {
        fprintf(stderr, "key_latency: no key for \"%s\"\n", argv[3]);
        return 2;
    }
    const int fd = open(logPath, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        perror(logPath);
        return 2;
    }
    off_t offset = 0;
    for (int i = 0; i < count; ++i) {
        XTestFakeKeyEvent(display, keycode, True, CurrentTime);
        const double pressed = Now();
        XFlush(display);
        double swapped = 0;
        while ((swapped = NextSwapAfter(fd, &offset, pressed)) == 0) {
            if ((Now() - pressed) * 1000.0 > WaitLimitMs) {
                fprintf(stderr, "key_latency: no frame within %d ms of press %d\n", WaitLimitMs, i + 1);
                return 1;
            }
            SleepMs(0.1);
        }
        XTestFakeKeyEvent(display, keycode, False, CurrentTime);
        XFlush(display);
        printf("%.4f\n", (swapped - pressed) * 1000.0);
        fflush(stdout);
        SleepMs(pauseMs);
    }
    close(fd);
    XCloseDisplay(display);
    return 0;
}
