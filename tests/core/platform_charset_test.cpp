// The whole chain's character set: narrow literals are GBK bytes at run time and,
// on Windows, the ANSI code page is 936, so GBK texts reach the Win32 "A" calls unchanged.
#include <gtest/gtest.h>

#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

TEST(PlatformCharset, ChineseLiteralIsGbk) {
    EXPECT_EQ(std::string("天"), std::string("\xCC\xEC"));
    EXPECT_EQ(std::string("姓名"), std::string("\xD0\xD5\xC3\xFB"));
    EXPECT_EQ(std::string("？"), std::string("\xA3\xBF"));
}

#ifdef _WIN32
TEST(PlatformCharset, AnsiCodePageIs936) {
    EXPECT_EQ(GetACP(), 936u);
    // The GBK bytes of a literal decode, through the ANSI code page, to the intended characters.
    wchar_t wide[8] = {};
    const char* text = "值班";
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 8), 3);
    EXPECT_EQ(wide[0], 0x503C);
    EXPECT_EQ(wide[1], 0x73ED);
}
#endif
