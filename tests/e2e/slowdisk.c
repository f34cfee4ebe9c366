// SPDX-License-Identifier: MIT
// Loaded into the program (LD_PRELOAD) to stand in for a slow or network
// disk: every operation on a file under the folder $SLOWDISK_DIR (opening,
// reading, writing, flushing, locking, closing, looking it up) takes
// $SLOWDISK_MS (default 50) milliseconds longer.
#include <dlfcn.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <time.h>
#include <unistd.h>

static volatile char slow_fd[65536]; // the descriptors of files under the folder

// The next definition of the function, the C library's.
#define REAL(name)                                                                                 \
    static __typeof__(&name) real_##name;                                                          \
    if (!real_##name)                                                                              \
    real_##name = (__typeof__(&name))dlsym(RTLD_NEXT, #name)

static void pause_now(void)
{
    const char *ms = getenv("SLOWDISK_MS");
    const long n = ms ? atol(ms) : 50;
    const struct timespec t = {n / 1000, (n % 1000) * 1000000L};
    nanosleep(&t, NULL);
}

static int under(const char *path)
{
    const char *dir = getenv("SLOWDISK_DIR");
    return dir && path && !strncmp(path, dir, strlen(dir));
}

static int slow(int fd)
{
    return fd >= 0 && fd < (int)sizeof slow_fd && slow_fd[fd];
}

static int opened(int fd, const char *path)
{
    if (fd >= 0 && fd < (int)sizeof slow_fd)
        slow_fd[fd] = (char)under(path);
    return fd;
}

static const char *absolute(int dirfd, const char *path, char *buf, size_t size)
{
    if (path[0] == '/' || dirfd != AT_FDCWD)
        return path;
    return getcwd(buf, size) && strlen(buf) + strlen(path) + 2 < size
               ? strcat(strcat(buf, "/"), path)
               : path;
}

int openat(int dirfd, const char *path, int flags, ...)
{
    REAL(openat);
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(ap, mode_t) : 0;
    va_end(ap);
    char buf[4096];
    const char *full = absolute(dirfd, path, buf, sizeof buf);
    if (under(full))
        pause_now();
    return opened(real_openat(dirfd, path, flags, mode), full);
}

int open(const char *path, int flags, ...)
{
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(ap, mode_t) : 0;
    va_end(ap);
    return openat(AT_FDCWD, path, flags, mode);
}

int open64(const char *path, int flags, ...)
{
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(ap, mode_t) : 0;
    va_end(ap);
    return openat(AT_FDCWD, path, flags, mode);
}

int close(int fd)
{
    REAL(close);
    if (slow(fd)) {
        pause_now();
        slow_fd[fd] = 0;
    }
    return real_close(fd);
}

#define BY_FD(ret, name, params, args)                                                             \
    ret name params                                                                                \
    {                                                                                              \
        REAL(name);                                                                                \
        if (slow(fd))                                                                              \
            pause_now();                                                                           \
        return real_##name args;                                                                   \
    }
BY_FD(ssize_t, read, (int fd, void *b, size_t n), (fd, b, n))
BY_FD(ssize_t, write, (int fd, const void *b, size_t n), (fd, b, n))
BY_FD(ssize_t, pread64, (int fd, void *b, size_t n, off_t at), (fd, b, n, at))
BY_FD(ssize_t, pwrite64, (int fd, const void *b, size_t n, off_t at), (fd, b, n, at))
BY_FD(ssize_t, pread, (int fd, void *b, size_t n, off_t at), (fd, b, n, at))
BY_FD(ssize_t, pwrite, (int fd, const void *b, size_t n, off_t at), (fd, b, n, at))
BY_FD(int, fsync, (int fd), (fd))
BY_FD(int, fdatasync, (int fd), (fd))
BY_FD(int, ftruncate, (int fd, off_t n), (fd, n))
BY_FD(int, ftruncate64, (int fd, off_t n), (fd, n))
BY_FD(int, fstat, (int fd, void *st), (fd, st))
BY_FD(int, fstat64, (int fd, void *st), (fd, st))

int fcntl(int fd, int cmd, ...)
{
    REAL(fcntl);
    va_list ap;
    va_start(ap, cmd);
    void *arg = va_arg(ap, void *);
    va_end(ap);
    if (slow(fd))
        pause_now();
    return real_fcntl(fd, cmd, arg);
}

int fcntl64(int fd, int cmd, ...)
{
    va_list ap;
    va_start(ap, cmd);
    void *arg = va_arg(ap, void *);
    va_end(ap);
    return fcntl(fd, cmd, arg);
}

#define BY_PATH(name, params, args)                                                                \
    int name params                                                                                \
    {                                                                                              \
        REAL(name);                                                                                \
        char buf[4096];                                                                            \
        if (under(absolute(AT_FDCWD, path, buf, sizeof buf)))                                      \
            pause_now();                                                                           \
        return real_##name args;                                                                   \
    }
BY_PATH(stat, (const char *path, void *st), (path, st))
BY_PATH(stat64, (const char *path, void *st), (path, st))
BY_PATH(lstat, (const char *path, void *st), (path, st))
BY_PATH(lstat64, (const char *path, void *st), (path, st))
BY_PATH(access, (const char *path, int mode), (path, mode))
BY_PATH(unlink, (const char *path), (path))
