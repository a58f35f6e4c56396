// Real NMEA 2000 traffic (one message of each of 115 PGNs from many makers' networks, in the
// plain text capture format: time,priority,pgn,source,destination,length,hex bytes) turned into
// a ZRL log and decoded: every message finds a definition, few fall to a catch-all, and no
// value carries a control character.
#include "ExportedLog.h"
#include "log/ZRLElement.h"
#include "messages/N2KMsg.h"
#include "n2k/PgnTransport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace ZrlTest;

namespace {

// The capture as a ZRL log: whole messages as BST 0x93, the 8-byte lines of fast-packet PGNs
// as the CAN frames they are.
ZrlWriter captureLog(const std::string& path)
{
    ZrlWriter log;
    log.timestamp(fileTimeUtc(2024, 1, 1, 12, 0, 0));
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::uint32_t> fields; // time (not read), priority, pgn, source, destination, length, data bytes
        std::stringstream in(line);
        for (std::string field; std::getline(in, field, ',');)
            fields.push_back(fields.empty() ? 0 : static_cast<std::uint32_t>(std::stoul(field, nullptr, fields.size() < 6 ? 10 : 16)));
        const Bytes data(fields.begin() + 6, fields.end());
        const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(fields[i]); };
        if (data.size() == 8 && !StandardsLib::isSingleFramePgn(fields[2]))
            log.bstFrame(bst95(0, CanId{byte(1), fields[2], byte(3), byte(4)}, data));
        else
            log.bstFrame(bst93(byte(1), fields[2], byte(4), byte(3), 0, data));
    }
    return log;
}

} // namespace

TEST(RealTraffic, SampleCaptureDecodes)
{
    ExportedLog capture(captureLog(sourcePath("tests/data/n2k-sample-single.raw.txt")));
    KelpLib::N2KMsg message;
    std::size_t messages = 0, catchAll = 0;
    for (std::size_t i = 0; i < capture.document.elementCount(); ++i) {
        const KelpLib::ZRLElement& element = capture.document.element(KelpLib::ElementLine(i));
        if (!(element.flags() & KelpLib::ZRLElement::assembledFromCan) && element.bytes().length > 0 && element.bytes().data[0] == 0x95)
            continue; // a frame of a transfer, decoded as the assembled message
        if (!element.n2kMessage(message))
            continue;
        ++messages;
        const std::string name = message.pgnName();
        catchAll += name.starts_with("Manu. Proprietary") || name.starts_with("J1939 'Catch All") || name.starts_with("Unknown PGN");
        for (std::uint32_t f = 0; f < message.fieldCount(); ++f) {
            std::string text;
            try {
                text = message.fieldInfo(f)->valueText(false);
            } catch (const std::exception&) {
                continue;
            }
            for (const char c : text)
                EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20) << message.pgnNumber() << " " << name;
        }
    }
    EXPECT_EQ(messages, 626u);
    // What is left to the catch-alls: J1939 PGNs below 59392, proprietary messages whose maker
    // codes or keys no definition names, and a PGN beyond the 18-bit range.
    EXPECT_LE(catchAll, 19u);
}
