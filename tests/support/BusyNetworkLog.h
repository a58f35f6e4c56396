#pragma once
// The benchmarks' 256 MiB log of a busy network, generated once beside the build.
#include <string>

namespace ZrlTest {

// Each second: 20 x (127250 from source 35, 129025 from source 3, an embedded 129026, 130306,
// 127488), a 129029 fast packet as CAN frames, GGA, RMC and MWV sentences and a little noise.
std::string busyNetworkLog();

} // namespace ZrlTest
