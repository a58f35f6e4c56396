#pragma once
// A short log of a small network for the devices and statistics tests: address claims (one
// address changing hands, one NAME moving to another address), product information as a
// single message and as a fast-packet transfer, configuration information, regular and
// irregular traffic, and a source that never claims its address. NetworkLog.cpp tells its
// story message by message.
#include "support/ZrlWriter.h"

namespace ZrlTest {

Bytes networkLog();

}  // namespace ZrlTest
