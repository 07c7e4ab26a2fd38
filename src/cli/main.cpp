#include "cli/cli.h"

int main(int argc, char** argv) {
    return zelvo::cli::run(argc, argv);
}
