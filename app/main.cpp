#include "app/driver.h"

int main(int argc, char** argv) {
    TarvexDriver(argc, argv);
    return 0;
}
