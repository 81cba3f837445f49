/* Loaded with LD_PRELOAD into a program under test: writes to files inside the folder named by
 * RAVIVAZ_FULL_DISK_FOLDER fail with ENOSPC once RAVIVAZ_FULL_DISK_AFTER bytes (0 when unset) were
 * written there, as on a disk that is full. Writes elsewhere pass through. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static long long budget = -1;

static int InFullFolder(int fd)
{
    const char* folder = getenv("RAVIVAZ_FULL_DISK_FOLDER");
    if (!folder || !*folder)
        return 0;
    char link[64];
    char path[4096];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = readlink(link, path, sizeof path - 1);
    if (length < 0)
        return 0;
    path[length] = '\0';
    const size_t folderLength = strlen(folder);
    return strncmp(path, folder, folderLength) == 0 && path[folderLength] == '/';
}

ssize_t write(int fd, const void* buffer, size_t count)
{
    static ssize_t (*realWrite)(int, const void*, size_t);
    if (!realWrite)
        realWrite = (ssize_t(*)(int, const void*, size_t))dlsym(RTLD_NEXT, "write");
    if (!InFullFolder(fd))
        return realWrite(fd, buffer, count);
    if (budget < 0) {
        const char* after = getenv("RAVIVAZ_FULL_DISK_AFTER");
        budget = after ? atoll(after) : 0;
    }
    if (budget <= 0) {
        errno = ENOSPC;
        return -1;
    }
    if ((long long)count > budget)
        count = (size_t)budget;
    const ssize_t written = realWrite(fd, buffer, count);
    if (written > 0)
        budget -= written;
    return written;
}
