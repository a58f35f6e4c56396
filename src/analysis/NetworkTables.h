#pragma once
// The network at a glance, from one pass over a loaded log: the devices on the bus, the traffic
// of every PGN from every source, and the bus load second by second. The pass reads the header
// of each NMEA 2000 message and the payloads of three PGNs only: address claims (60928),
// product information (126996) and configuration information (126998).
//
// Messages are the elements that stand for one (ZRLElement::n2kHeader): every N2K element and
// every single CAN frame that went into no assembly. Times are the elements' FILETIMEs.
#include "analysis/DeviceInformation.h"
#include "analysis/DeviceName.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace KelpLib {
class ZRLDoc;
}

namespace ZrlAnalysis {

constexpr std::uint32_t pgnAddressClaim = 60928;
constexpr std::uint32_t pgnProductInformation = 126996;
constexpr std::uint32_t pgnConfigurationInformation = 126998;

// One source address with one NAME claimed at it, or with none: a source that never claimed
// its address. Messages sent before the first claim at an address belong to the first NAME
// claimed there; after a claim, to that NAME until another NAME claims the address.
struct DeviceRow {
    std::uint8_t address = 0;
    std::optional<DeviceName> name;
    std::optional<ProductInformation> product;            // the latest
    std::optional<ConfigurationInformation> configuration; // the latest
    std::uint64_t firstSeen = 0;
    std::uint64_t lastSeen = 0;
    std::uint64_t messages = 0;
    std::vector<std::uint32_t> pgns;  // ascending
};

// The traffic of one PGN from one source. Intervals are FILETIME ticks (100 ns) between
// consecutive messages in log order.
struct PgnSourceStatistics {
    std::uint32_t pgn = 0;
    std::uint8_t source = 0;
    std::uint64_t count = 0;
    std::uint64_t first = 0;
    std::uint64_t last = 0;
    std::int64_t minInterval = 0;
    std::int64_t maxInterval = 0;
    std::uint64_t maxGapEnd = 0;  // the time of the message that ends the longest interval

    bool hasIntervals() const { return count >= 2; }
    // (count - 1) / (last - first) in Hz; 0 without intervals or without time between them.
    double rate() const;
    double meanIntervalTicks() const;
};

// The address of a row changed hands: another NAME claimed it.
struct AddressChange {
    std::uint8_t address = 0;
    std::uint64_t time = 0;
    DeviceName previous;
    DeviceName next;
};

// Frames per second on the bus and the estimated share of a 250 kbit/s bus they take. A
// message of up to 8 bytes is one frame; a longer one a fast-packet transfer of 8-byte frames
// (6 bytes in the first, 7 in each further). A frame with n data bytes and a 29-bit
// identifier takes 67 + 8n bits, without stuffing.
struct BusLoad {
    static constexpr double bitsPerSecond = 250000.0;
    static constexpr std::uint32_t maxSeconds = 31 * 24 * 3600; // later messages are left out
    std::uint64_t start = 0;  // FILETIME of the first message; second i starts i seconds later
    std::vector<std::uint32_t> frames;
    std::vector<std::uint32_t> bits;

    double share(std::size_t second) const { return bits[second] / bitsPerSecond; }
};

struct NetworkTables {
    std::vector<DeviceRow> devices;  // by address, then first seen
    std::vector<PgnSourceStatistics> statistics;  // in first-met order
    std::vector<AddressChange> addressChanges;    // in log order
    BusLoad busLoad;
};

// Called now and then with the elements looked at and their total; returning false stops the
// pass, which then returns what it has built so far.
using NetworkProgress = std::function<bool(std::size_t done, std::size_t total)>;

NetworkTables analyseNetwork(const KelpLib::ZRLDoc& document, const NetworkProgress& progress = {});

// The warning the Output pane shows for an address change.
std::string addressChangeText(const AddressChange& change);

}  // namespace ZrlAnalysis
