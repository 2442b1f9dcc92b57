// Ondix15.exe as Windows sees it: the version resource Explorer shows, read back from the built
// program, its icon, and the read-outs under a German Windows locale.

#include "instrument/read_out_text.h"
#include "language/language.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>
#include <windows.h>

namespace {

const wchar_t* const kProgram = L"Ondix15.exe"; // the test runs in the program's folder

std::vector<char> versionInfo() {
    const DWORD size = GetFileVersionInfoSizeW(kProgram, nullptr);
    std::vector<char> data(size);
    if (size == 0 || !GetFileVersionInfoW(kProgram, 0, size, data.data()))
        data.clear();
    return data;
}

std::wstring stringValue(std::vector<char>& info, const std::wstring& name) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = L"\\StringFileInfo\\040704B0\\" + name;
    if (!VerQueryValueW(info.data(), path.c_str(), &value, &length) || length == 0)
        return L"<missing>";
    return std::wstring(static_cast<const wchar_t*>(value), length - 1);
}

TEST(WindowsProgram, VersionResourceNamesTheProductInGerman) {
    std::vector<char> info = versionInfo();
    ASSERT_FALSE(info.empty()) << "no version resource in Ondix15.exe";

    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", &value, &length));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 15));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 15));
    EXPECT_EQ(fixed->dwFileType, DWORD(VFT_APP));

    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", &value, &length));
    ASSERT_EQ(length, 8u); // German (Germany), then English (United States), both Unicode
    const auto* translation = static_cast<const WORD*>(value);
    EXPECT_EQ(translation[0], 0x0407);
    EXPECT_EQ(translation[1], 0x04B0);
    EXPECT_EQ(translation[2], 0x0409);
    EXPECT_EQ(translation[3], 0x04B0);

    EXPECT_EQ(stringValue(info, L"ProductName"), L"Ondix15");
    EXPECT_EQ(stringValue(info, L"ProductVersion"), L"15.00");
    EXPECT_EQ(stringValue(info, L"FileVersion"), L"15.00");
    EXPECT_EQ(stringValue(info, L"OriginalFilename"), L"Ondix15.exe");
    EXPECT_EQ(stringValue(info, L"CompanyName"), L"Ondix-Lehrmittel");
}

TEST(WindowsProgram, CarriesItsIconForExplorer) {
    const HMODULE program = LoadLibraryExW(kProgram, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    EXPECT_NE(FindResourceW(program, L"IDI_ICON1", MAKEINTRESOURCEW(14)), nullptr); // RT_GROUP_ICON
    FreeLibrary(program);
}

// Registered with a German locale for Wine: the read-outs take the decimal sign of the program's
// language, not of the user's locale.
TEST(WindowsProgram, ReadOutsTakeTheDecimalSignOfTheLanguageUnderAGermanLocale) {
    EXPECT_EQ(GetUserDefaultLCID() & 0x3ff, LANG_GERMAN);
    ASSERT_TRUE(Language::use("en"));
    EXPECT_EQ(ReadOutText::ofSingle(2.5f, Language::decimalSeparator(",")), "2.5");
    Language::use("de");
    EXPECT_EQ(ReadOutText::ofDouble(-12.45, Language::decimalSeparator(",")), "-12,45");
}

} // namespace
