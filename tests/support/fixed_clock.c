/* Preloaded into a run to fix its wall clock, so that two builds' outputs can be
 * compared byte for byte: dates, document identifiers and the seal all derive
 * from the time. The time is read from TARVEX_FIXED_TIME (seconds since 1970).
 * Monotonic clocks are left alone. */
#define _GNU_SOURCE
#include <stdlib.h>
#include <sys/time.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

static time_t FixedTime(void) {
    const char* text = getenv("TARVEX_FIXED_TIME");
    return text ? (time_t)strtoll(text, NULL, 10) : (time_t)1765411200;
}

time_t time(time_t* out) {
    const time_t t = FixedTime();
    if (out) *out = t;
    return t;
}

int gettimeofday(struct timeval* tv, void* tz) {
    (void)tz;
    if (tv != NULL) {
        tv->tv_sec = FixedTime();
        tv->tv_usec = 0;
    }
    return 0;
}

int clock_gettime(clockid_t id, struct timespec* ts) {
    if (id == CLOCK_REALTIME || id == CLOCK_REALTIME_COARSE) {
        ts->tv_sec = FixedTime();
        ts->tv_nsec = 0;
        return 0;
    }
    /* Other clocks through the kernel directly. */
    return (int)syscall(SYS_clock_gettime, id, ts);
}
