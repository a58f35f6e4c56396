#include "log/StableArray.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using KelpLib::StableArray;

TEST(StableArray, ItemsKeepTheirAddressesAcrossChunks)
{
    StableArray<std::string, 2> array; // chunks of four
    std::vector<const std::string*> addresses;
    for (int i = 0; i < 11; ++i)
        addresses.push_back(&array.emplace_back(std::to_string(i)));
    ASSERT_EQ(array.size(), 11u);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(&array[i], addresses[i]);
    std::string joined;
    for (const std::string& item : array)
        joined += item;
    EXPECT_EQ(joined, "012345678910");
}

TEST(StableArray, ClearDestroysEveryItemAndTheArrayIsReusable)
{
    auto counter = std::make_shared<int>(0);
    StableArray<std::shared_ptr<int>, 3> array;
    for (int i = 0; i < 20; ++i)
        array.emplace_back(counter);
    EXPECT_EQ(counter.use_count(), 21);
    array.clear();
    EXPECT_EQ(counter.use_count(), 1);
    EXPECT_TRUE(array.empty() && !(array.begin() != array.end()));
    array.emplace_back(counter);
    EXPECT_EQ(counter.use_count(), 2);
}

TEST(StableArray, AThrowingConstructorLeavesTheArrayConsistent)
{
    struct Picky {
        explicit Picky(int v) : value(v)
        {
            if (v < 0)
                throw std::invalid_argument("negative");
        }
        int value;
    };
    StableArray<Picky, 1> array; // chunks of two
    array.emplace_back(1);
    array.emplace_back(2);
    EXPECT_THROW(array.emplace_back(-1), std::invalid_argument); // a new chunk, no item
    for (int v : {3, 4, 5})
        array.emplace_back(v);
    std::string values;
    for (const Picky& item : array)
        values += std::to_string(item.value);
    EXPECT_EQ(values, "12345");
}
