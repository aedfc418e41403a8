#include <malloc.h>

#include "app/driver.h"

// The one place the process ends: with the status the run settled.
int main(int argc, char** argv) {
    // A run allocates a few MiB in many small steps: a heap that grows 8 MiB
    // at a time asks the kernel about three times instead of twenty and takes
    // fewer page faults (bench/README.md has the figures).
    mallopt(M_TOP_PAD, 8 << 20);
    return TarvexMain(argc, argv);
}
