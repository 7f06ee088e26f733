#include "app/startup.h"

int main(int argc, char** argv) {
    return zanvik::runZanvik(argc, argv);
}
