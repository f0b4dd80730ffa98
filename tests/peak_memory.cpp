// Runs a command and reports its peak resident memory on standard error as
// "peak_kib N", then exits as the command did. A small process of its own has
// to start the command: a child forked straight from a large test driver
// would be charged with the driver's memory too.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fputs("usage: peak_memory COMMAND [ARG...]\n", stderr);
        return 2;
    }
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[1], argv + 1);
        std::perror(argv[1]);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child) {
        std::perror("peak_memory");
        return 2;
    }
    std::fprintf(stderr, "peak_kib %ld\n", usage.ru_maxrss);
    if (WIFSIGNALED(status)) {
        return 128 + WTERMSIG(status);
    }
    return WEXITSTATUS(status);
}
