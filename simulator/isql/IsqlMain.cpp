#include "simulator/isql/IsqlRun.h"

#include <iostream>

int main(int argc, char** argv) {
    return isql::runIsql(std::vector<std::string>(argv + 1, argv + argc), std::cerr);
}
