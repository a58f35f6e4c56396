#include "common/KorvErr.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace CommonLib;

// 589 records in table order; the longest text has 81 characters and the only bytes above 0x7F
// are three apostrophes 0x92.
TEST(ErrorCatalogue, HoldsEveryRecordInTableOrder)
{
    ASSERT_EQ(errorCatalogueSize(), 589u);
    EXPECT_EQ(errorCatalogue()[0].code, 0);
    EXPECT_EQ(errorCatalogue()[4].code, -99) << "family 0 lists -99 after -3";
    EXPECT_EQ(errorCatalogue()[588].code, 3800);
    std::size_t longest = 0;
    int highBytes = 0;
    for (std::uint32_t i = 0; i < errorCatalogueSize(); ++i) {
        const std::string message = errorCatalogue()[i].message;
        longest = std::max(longest, message.size());
        for (const char c : message)
            if (static_cast<unsigned char>(c) >= 0x80) {
                EXPECT_EQ(static_cast<unsigned char>(c), 0x92) << errorCatalogue()[i].code;
                ++highBytes;
            }
    }
    EXPECT_EQ(longest, 81u);
    EXPECT_EQ(highBytes, 3);
}

// First and last records, the longest text, the twice-stored -879 (the first wins), a tab and the
// code-page apostrophe; unknown codes and the records with an empty text. (The lookup is one search
// over the whole table: further families add no path.)
TEST(ErrorCatalogue, LookupTexts)
{
    const std::pair<std::int32_t, const char*> cases[] = {
        {0, "No Error detected"},
        {-198, "File Not Found!"},
        {-2599, "Number of bytes received does NOT match that was set up during SOT initialisation"},
        {3800, "A non-fatal warning occured in device driver"},
        {-879, "NMEA 0183 Message aborted (due to an error)"},
        {-882, "NMEA 0183\tNo fields counted towards correct encoding of this sentence"},
        {-3997, "ID namespace doesn\x92t exist yet and mode is NVS_READONLY"},
        {-2595, "Error Code meaning not defined!"},
        {12345, "Error Code meaning not defined!"},
        {-1, ""}, {1, ""}, {1100, ""}, {1101, ""},
    };
    for (const auto& [code, text] : cases)
        EXPECT_EQ(std::string(errorMessage(code)), text) << code;
}

TEST(KorvErr, CarriesCodeMessageAndContext)
{
    const KorvErr given(-198, "File \"x.zrl\" Not found", "MemFile::read");
    EXPECT_STREQ(given.what(), "File \"x.zrl\" Not found");
    EXPECT_EQ(given.getCode(), -198);
    EXPECT_EQ(given.getContext(), "MemFile::read");

    const KorvErr fromCatalogue(-1398, "");
    EXPECT_STREQ(fromCatalogue.what(), "KorvErr: Buffer Full: new data not added!");
    try {
        throw KorvErr(-2595);
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "KorvErr: Error Code meaning not defined!");
    }
}
