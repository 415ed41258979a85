// Preloaded into a GL program: after each buffer swap has reached the X
// server, appends a CLOCK_MONOTONIC time (seconds, nanosecond digits) to the
// file named by SWAP_PROBE_LOG. Without that variable it only passes calls on.
//
// The X server has the new picture once XSync returns: with Mesa's software
// path the swap puts the image with a request on the program's own display
// connection, and XSync waits for the server to have handled it. Both the
// viewer and the floor program go through here, so whatever this adds is on
// both sides of a ratio.
#define _GNU_SOURCE
#include <EGL/egl.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

typedef void (*GlxSwapFunction)(Display*, GLXDrawable);
typedef EGLBoolean (*EglSwapFunction)(EGLDisplay, EGLSurface);
typedef EGLBoolean (*EglWaitFunction)(void);

// dlsym hands back an object pointer; ISO C has no cast from it to a
// function pointer, so the bits are copied.
static void* Lookup(void* handle, const char* name, size_t size, void* function) {
    void* symbol = dlsym(handle, name);
    memcpy(function, &symbol, size);
    return symbol;
}

// -2 until the first swap opens the log; -1 when there is none to write.
static int LogFd = -2;

static int ProbeLog(void) {
    if (LogFd == -2) {
        const char* path = getenv("SWAP_PROBE_LOG");
        LogFd = (path != NULL && path[0] != '\0')
                    ? open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644)
                    : -1;
    }
    return LogFd;
}

static void StampSwap(void) {
    const int fd = ProbeLog();
    if (fd < 0) {
        return;
    }
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    char line[64];
    const int length = snprintf(line, sizeof line, "%lld.%09ld\n", (long long)now.tv_sec, now.tv_nsec);
    // One write per line, so a reader never sees half a stamp.
    if (length > 0 && write(fd, line, (size_t)length) != length) {
        // The program goes on; the log simply ends here.
        close(fd);
        LogFd = -1;
    }
}

void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    static GlxSwapFunction next = NULL;
    if (next == NULL) {
        if (Lookup(RTLD_NEXT, "glXSwapBuffers", sizeof next, &next) == NULL) {
            return;
        }
    }
    next(display, drawable);
    XSync(display, False);
    StampSwap();
}

EGLBoolean eglSwapBuffers(EGLDisplay display, EGLSurface surface) {
    static EglSwapFunction next = NULL;
    static EglWaitFunction waitClient = NULL;
    if (next == NULL) {
        if (Lookup(RTLD_NEXT, "eglSwapBuffers", sizeof next, &next) == NULL) {
            return EGL_FALSE;
        }
        // Looked up, not linked, so a GLX program does not load EGL for it.
        Lookup(RTLD_NEXT, "eglWaitClient", sizeof waitClient, &waitClient);
    }
    const EGLBoolean swapped = next(display, surface);
    // EGL offers no handle on the X connection; waiting for the client API
    // is the closest it comes to "the frame is out".
    if (waitClient != NULL) {
        waitClient();
    }
    StampSwap();
    return swapped;
}
