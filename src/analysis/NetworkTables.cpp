#include "analysis/NetworkTables.h"

#include "log/ElementTime.h"
#include "log/ZRLDoc.h"
#include "messages/N2KHeader.h"

#include <algorithm>
#include <array>
#include <cinttypes>
#include <cstdio>
#include <map>
#include <unordered_map>

namespace ZrlAnalysis {

namespace {

constexpr std::uint64_t ticksPerSecond = 10000000;
constexpr std::size_t progressStep = std::size_t{1} << 16;
constexpr std::int32_t noRow = -1;

struct BusCost {
    std::uint32_t frames;
    std::uint32_t bits;
};

constexpr std::uint32_t frameBits(std::uint32_t dataBytes) { return 67 + 8 * dataBytes; }

BusCost busCost(std::uint32_t payloadLength)
{
    if (payloadLength <= 8)
        return {1, frameBits(payloadLength)};
    const std::uint32_t frames = 1 + (payloadLength - 6 + 7 - 1) / 7;
    return {frames, frames * frameBits(8)};
}

// The state of the pass: the row each address currently sends for, and for each PGN a
// 256-entry index of its statistics by source.
class NetworkPass {
public:
    NetworkPass() { currentRow.fill(noRow); }

    void message(const KelpLib::N2KHeaderView& header, std::uint64_t time)
    {
        if (header.pgn == pgnAddressClaim && header.length >= 8) {
            std::uint8_t name[8];
            std::copy_n(header.payload, 8, name);
            claim(header.source, decodeDeviceName(name), time);
        }
        const std::int32_t row = rowSending(header.source);
        DeviceRow& device = tables.devices[static_cast<std::size_t>(row)];
        if (device.messages++ == 0)
            device.firstSeen = time;
        device.lastSeen = time;

        const std::size_t slot = statisticsSlot(header.pgn, header.source, time);
        count(tables.statistics[slot], time);
        if (lastRowOfSlot[slot] != row) {
            lastRowOfSlot[slot] = row;
            const auto at = std::lower_bound(device.pgns.begin(), device.pgns.end(), header.pgn);
            if (at == device.pgns.end() || *at != header.pgn)
                device.pgns.insert(at, header.pgn);
        }
        if (header.pgn == pgnProductInformation) {
            if (auto info = readProductInformation(header.payload, header.length))
                device.product = std::move(info);
        } else if (header.pgn == pgnConfigurationInformation) {
            if (auto info = readConfigurationInformation(header.payload, header.length))
                device.configuration = std::move(info);
        }
        addLoad(header.length, time);
    }

    NetworkTables finish()
    {
        std::stable_sort(tables.devices.begin(), tables.devices.end(), [](const DeviceRow& a, const DeviceRow& b) {
            return a.address != b.address ? a.address < b.address : a.firstSeen < b.firstSeen;
        });
        return std::move(tables);
    }

private:
    std::int32_t rowSending(std::uint8_t address)
    {
        if (currentRow[address] == noRow)
            currentRow[address] = newRow(address, std::nullopt);
        return currentRow[address];
    }

    std::int32_t newRow(std::uint8_t address, const std::optional<DeviceName>& name)
    {
        DeviceRow row;
        row.address = address;
        row.name = name;
        tables.devices.push_back(std::move(row));
        const auto index = static_cast<std::int32_t>(tables.devices.size() - 1);
        if (name)
            rowOfClaim[{address, name->raw}] = index;
        return index;
    }

    void claim(std::uint8_t address, const DeviceName& name, std::uint64_t time)
    {
        // A NAME that moves to another address no longer sends from its old one.
        const auto moved = addressOfName.find(name.raw);
        if (moved != addressOfName.end() && moved->second != address) {
            const std::int32_t old = currentRow[moved->second];
            if (old != noRow && tables.devices[static_cast<std::size_t>(old)].name &&
                tables.devices[static_cast<std::size_t>(old)].name->raw == name.raw)
                currentRow[moved->second] = noRow;
        }
        addressOfName[name.raw] = address;

        const std::int32_t current = currentRow[address];
        const DeviceRow* holder = current == noRow ? nullptr : &tables.devices[static_cast<std::size_t>(current)];
        if (holder && holder->name && holder->name->raw == name.raw)
            return;
        const auto known = rowOfClaim.find({address, name.raw});
        if (holder && !holder->name && known == rowOfClaim.end()) {
            // The first claim at the address: what it sent before was this device.
            tables.devices[static_cast<std::size_t>(current)].name = name;
            rowOfClaim[{address, name.raw}] = current;
            return;
        }
        if (holder && holder->name)
            tables.addressChanges.push_back({address, time, *holder->name, name});
        currentRow[address] = known != rowOfClaim.end() ? known->second : newRow(address, name);
    }

    std::size_t statisticsSlot(std::uint32_t pgn, std::uint8_t source, std::uint64_t time)
    {
        if (pgn != lastPgn) {
            const auto [at, added] = blockOfPgn.try_emplace(pgn, static_cast<std::uint32_t>(blocks.size()));
            if (added)
                blocks.emplace_back().fill(noRow);
            lastPgn = pgn;
            lastBlock = at->second;
        }
        std::int32_t& slot = blocks[lastBlock][source];
        if (slot == noRow) {
            slot = static_cast<std::int32_t>(tables.statistics.size());
            PgnSourceStatistics entry;
            entry.pgn = pgn;
            entry.source = source;
            entry.first = entry.last = time;
            tables.statistics.push_back(entry);
            lastRowOfSlot.push_back(noRow);
        }
        return static_cast<std::size_t>(slot);
    }

    static void count(PgnSourceStatistics& s, std::uint64_t time)
    {
        if (s.count++ == 0)
            return;
        const auto interval = static_cast<std::int64_t>(time - s.last);
        if (s.count == 2 || interval < s.minInterval)
            s.minInterval = interval;
        if (s.count == 2 || interval > s.maxInterval) {
            s.maxInterval = interval;
            s.maxGapEnd = time;
        }
        s.last = time;
    }

    void addLoad(std::uint32_t payloadLength, std::uint64_t time)
    {
        BusLoad& load = tables.busLoad;
        if (!loadStarted) {
            load.start = time;
            loadStarted = true;
        }
        const std::uint64_t second = time < load.start ? 0 : (time - load.start) / ticksPerSecond;
        if (second >= BusLoad::maxSeconds)
            return;
        if (second >= load.frames.size()) {
            load.frames.resize(second + 1, 0);
            load.bits.resize(second + 1, 0);
        }
        const BusCost cost = busCost(payloadLength);
        load.frames[second] += cost.frames;
        load.bits[second] += cost.bits;
    }

    NetworkTables tables;
    std::array<std::int32_t, 256> currentRow{};
    std::map<std::pair<std::uint8_t, std::uint64_t>, std::int32_t> rowOfClaim;
    std::unordered_map<std::uint64_t, std::uint8_t> addressOfName;
    std::unordered_map<std::uint32_t, std::uint32_t> blockOfPgn;
    std::vector<std::array<std::int32_t, 256>> blocks;
    std::vector<std::int32_t> lastRowOfSlot;
    std::uint32_t lastPgn = ~0u;
    std::uint32_t lastBlock = 0;
    bool loadStarted = false;
};

}  // namespace

double PgnSourceStatistics::rate() const
{
    if (!hasIntervals() || last <= first)
        return 0;
    return static_cast<double>(count - 1) * ticksPerSecond / static_cast<double>(last - first);
}

double PgnSourceStatistics::meanIntervalTicks() const
{
    if (!hasIntervals())
        return 0;
    return static_cast<double>(static_cast<std::int64_t>(last - first)) / static_cast<double>(count - 1);
}

NetworkTables analyseNetwork(const KelpLib::ZRLDoc& document, const NetworkProgress& progress)
{
    NetworkPass pass;
    const std::size_t total = document.elementCount();
    std::size_t index = 0;
    for (const KelpLib::ZRLElement& element : document.elements()) {
        if (index++ % progressStep == 0 && progress && !progress(index - 1, total))
            break;
        KelpLib::N2KHeaderView header;
        if (!element.n2kHeader(header))
            continue;
        pass.message(header, element.time().baseTime);
    }
    if (progress)
        progress(total, total);
    return pass.finish();
}

std::string addressChangeText(const AddressChange& change)
{
    char text[200];
    std::snprintf(text, sizeof text,
                  "Address %u claimed by NAME %016" PRIX64 " at %s, held before by NAME %016" PRIX64
                  ": address change or conflict",
                  unsigned(change.address), change.next.raw, KelpLib::isoTimeText(change.time).c_str(),
                  change.previous.raw);
    return text;
}

}  // namespace ZrlAnalysis
