// SPDX-License-Identifier: MIT
// Loaded into the program (LD_PRELOAD) to stand in for a power cut: each time
// a file whose path begins with $POWERCUT_FILES is flushed to the disk (fsync,
// fdatasync), its whole content is copied into the folder $POWERCUT_IMAGE,
// which so holds only what had reached stable storage. Each copy is made
// beside and renamed into place, so the folder is whole at every moment.
#include <dlfcn.h>
#include <fcntl.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static void keep(int fd)
{
    const char *files = getenv("POWERCUT_FILES"), *image = getenv("POWERCUT_IMAGE");
    char link[64], path[PATH_MAX], copy[PATH_MAX + 64], part[PATH_MAX + 80], buf[65536];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, path, sizeof path - 1);
    if (!files || !image || n <= 0)
        return;
    path[n] = 0;
    if (strncmp(path, files, strlen(files)) != 0)
        return;
    snprintf(copy, sizeof copy, "%s/%s", image, strrchr(path, '/') + 1);
    snprintf(part, sizeof part, "%s.part", copy);
    const int out = open(part, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    off_t at = 0;
    ssize_t got;
    while (out >= 0 && (got = pread(fd, buf, sizeof buf, at)) > 0 && write(out, buf, got) == got)
        at += got;
    if (out >= 0 && close(out) == 0)
        rename(part, copy);
}

int fdatasync(int fildes)
{
    static int (*real)(int);
    if (!real)
        real = (int (*)(int))dlsym(RTLD_NEXT, "fdatasync");
    keep(fildes);
    return real(fildes);
}

int fsync(int fd)
{
    static int (*real)(int);
    if (!real)
        real = (int (*)(int))dlsym(RTLD_NEXT, "fsync");
    keep(fd);
    return real(fd);
}
