// stamp_exec FILE PROGRAM [ARGS...]: writes the CLOCK_MONOTONIC time to FILE
// and then becomes PROGRAM (same process id), so a start-up is timed from the
// moment the program is executed, not from when a shell got round to it.
#include <stdio.h>
#include <time.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: stamp_exec FILE PROGRAM [ARGS...]\n");
        return 2;
    }
    FILE* out = fopen(argv[1], "w");
    if (out == NULL) {
        perror(argv[1]);
        return 2;
    }
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    fprintf(out, "%lld.%09ld\n", (long long)now.tv_sec, now.tv_nsec);
    if (fclose(out) != 0) {
        perror(argv[1]);
        return 2;
    }
    execvp(argv[2], argv + 2);
    perror(argv[2]);
    return 127;
}
