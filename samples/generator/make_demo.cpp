// Writes samples/demo.zrl: a deterministic 10-minute passage of a motor boat, as a logger on
// its network would record it. Timestamp tags every second; NMEA 2000 messages as embedded
// and DLE-framed BST messages; GNSS position data and product information as fast-packet CAN
// frames; NMEA 0183 sentences (one with a wrong checksum); a raw ASCII run and binary noise.
//
// usage: make_demo OUT.zrl
#include "generator/DemoLog.h"
#include "support/ZrlWriter.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_demo OUT.zrl\n");
        return 2;
    }
    try {
        ZrlTest::writeFile(argv[1], ZrlTest::demoLog());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_demo: %s\n", e.what());
        return 1;
    }
    return 0;
}
