#include "app/driver.h"

// The one place the process ends: with the status the run settled.
int main(int argc, char** argv) {
    return TarvexMain(argc, argv);
}
