#include "language/catalogue.h"
#include "language/language.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Each test starts and ends in German.
class LanguageTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Language::use("de")); }
    void TearDown() override { Language::use("de"); }
};

TEST_F(LanguageTest, ChoosesTheFirstPreferredLanguageItHasGermanWhereNone) {
    EXPECT_EQ(Language::codes().front(), "de");
    using List = std::vector<std::string>;
    EXPECT_EQ(Language::firstKnown(List{"fr-FR", "en-GB", "de"}), "en");
    EXPECT_EQ(Language::firstKnown(List{"en_US.UTF-8"}), "en");
    EXPECT_EQ(Language::firstKnown(List{"EN"}), "en");
    EXPECT_EQ(Language::firstKnown(List{"de-AT", "en"}), "de");
    EXPECT_EQ(Language::firstKnown(List{"eng", "fr", "", "-en"}), "de");
    EXPECT_EQ(Language::firstKnown(List{}), "de");
}

TEST_F(LanguageTest, UsesOnlyLanguagesItHas) {
    EXPECT_FALSE(Language::use("fr"));
    EXPECT_FALSE(Language::use("EN"));
    EXPECT_EQ(Language::current(), "de");
    EXPECT_TRUE(Language::use("en"));
    EXPECT_EQ(Language::current(), "en");
    EXPECT_FALSE(Language::use(""));
    EXPECT_EQ(Language::current(), "en");
}

TEST_F(LanguageTest, GermanIsTheSourceAndTheFallback) {
    EXPECT_EQ(Language::decimalSeparator(","), ",");
    EXPECT_EQ(Language::decimalSeparator("."), ".");
    ASSERT_TRUE(Language::use("en"));
    EXPECT_EQ(Language::decimalSeparator(","), ".");
    EXPECT_EQ(Language::translate("kein Text des Programms"), "kein Text des Programms");
    // A context tells a text apart: without it the separator is no entry.
    EXPECT_EQ(Language::translate(","), ",");
}

// Every pair of every catalogue is found by its key: the build's table is sorted as the look-up
// searches it, and contexts are keyed as gettext keys them.
TEST_F(LanguageTest, FindsEveryTextOfEveryCatalogue) {
    for (const Catalogue& catalogue : catalogues()) {
        ASSERT_TRUE(Language::use(catalogue.code));
        ASSERT_FALSE(catalogue.pairs.empty()) << catalogue.code;
        for (const auto& [key, text] : catalogue.pairs) {
            const auto split = key.find('\x04');
            EXPECT_EQ(split == std::string_view::npos
                          ? Language::translate(key)
                          : Language::translateIn(key.substr(0, split), key.substr(split + 1)),
                      text)
                << key;
        }
    }
}

} // namespace
