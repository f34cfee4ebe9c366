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
    static __typeof__(&(name)) real_##name;                                                        \
    if (!real_##name)                                                                              \
    real_##name = (__typeof__(&(name)))dlsym(RTLD_NEXT, #name)

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

int openat(int fd, const char *file, int oflag, ...)
{
    REAL(openat);
    va_list ap;
    va_start(ap, oflag);
    const mode_t mode = (oflag & (O_CREAT | O_TMPFILE)) ? va_arg(ap, mode_t) : 0;
    va_end(ap);
    char buf[4096];
    const char *full = absolute(fd, file, buf, sizeof buf);
    if (under(full))
        pause_now();
    return opened(real_openat(fd, file, oflag, mode), full);
}

int open(const char *file, int oflag, ...)
{
    va_list ap;
    va_start(ap, oflag);
    const mode_t mode = (oflag & (O_CREAT | O_TMPFILE)) ? va_arg(ap, mode_t) : 0;
    va_end(ap);
    return openat(AT_FDCWD, file, oflag, mode);
}

int open64(const char *file, int oflag, ...) __attribute__((alias("open")));

int close(int fd)
{
    REAL(close);
    if (slow(fd)) {
        pause_now();
        slow_fd[fd] = 0;
    }
    return real_close(fd);
}

// The parameters are named as the C library declares them.
#define BY_FD(ret, name, fd, params, args)                                                         \
    ret name params                                                                                \
    {                                                                                              \
        REAL(name);                                                                                \
        if (slow(fd))                                                                              \
            pause_now();                                                                           \
        return real_##name args;                                                                   \
    }
BY_FD(ssize_t, read, fd, (int fd, void *buf, size_t nbytes), (fd, buf, nbytes))
BY_FD(ssize_t, write, fd, (int fd, const void *buf, size_t n), (fd, buf, n))
BY_FD(ssize_t, pread, fd, (int fd, void *buf, size_t nbytes, off_t offset),
      (fd, buf, nbytes, offset))
BY_FD(ssize_t, pwrite, fd, (int fd, const void *buf, size_t n, off_t offset), (fd, buf, n, offset))
BY_FD(int, fsync, fd, (int fd), (fd))
BY_FD(int, fdatasync, fildes, (int fildes), (fildes))
BY_FD(int, ftruncate, fd, (int fd, off_t length), (fd, length))
BY_FD(int, fstat, fd, (int fd, void *st), (fd, st))
// The 64-bit names (off_t is 64 bits here) are the same functions.
ssize_t pread64(int fd, void *buf, size_t nbytes, off_t offset) __attribute__((alias("pread")));
ssize_t pwrite64(int fd, const void *buf, size_t n, off_t offset) __attribute__((alias("pwrite")));
int ftruncate64(int fd, off_t length) __attribute__((alias("ftruncate")));
int fstat64(int fd, void *st) __attribute__((alias("fstat")));

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

int fcntl64(int fd, int cmd, ...) __attribute__((alias("fcntl")));

#define BY_PATH(name, path, params, args)                                                          \
    int name params                                                                                \
    {                                                                                              \
        REAL(name);                                                                                \
        char buf[4096];                                                                            \
        if (under(absolute(AT_FDCWD, (path), buf, sizeof buf)))                                    \
            pause_now();                                                                           \
        return real_##name args;                                                                   \
    }
BY_PATH(stat, path, (const char *path, void *st), (path, st))
BY_PATH(lstat, path, (const char *path, void *st), (path, st))
int stat64(const char *path, void *st) __attribute__((alias("stat")));
int lstat64(const char *path, void *st) __attribute__((alias("lstat")));
BY_PATH(access, name, (const char *name, int type), (name, type))
BY_PATH(unlink, name, (const char *name), (name))
