// The program's texts must reach the system as GBK bytes. A build without the execution
// character set setting would produce UTF-8 here and fail loudly.
#include <string>

#include <gtest/gtest.h>

namespace {

std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char b : bytes) {
        if (!hex.empty()) hex += ' ';
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    return hex;
}

TEST(Encoding, LiteralsAreGbkBytes) {
    EXPECT_EQ(Hex("ＨＰ"), "A3 C8 A3 D0");
    EXPECT_EQ(Hex("[装备强化]："), "5B D7 B0 B1 B8 C7 BF BB AF 5D A3 BA");
    EXPECT_EQ(Hex("　"), "A1 A1");
}

}  // namespace
