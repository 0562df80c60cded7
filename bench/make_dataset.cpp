// Writes a benchmark data set as the two record files:  make_dataset <directory> <items>
#include "DataSet.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 3 || std::atoi(argv[2]) < 1) {
        std::fprintf(stderr, "usage: %s <directory> <items>\n", argv[0]);
        return 2;
    }
    try {
        std::filesystem::create_directories(argv[1]);
        const int count = std::atoi(argv[2]);
        cw::bench::writeRecordFiles(cw::bench::makeDataSet(count), argv[1]);
        std::printf("%d items in %d categories written to %s\n", count, cw::bench::kCategoryCount,
                    argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
