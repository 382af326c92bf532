#include "platform/RuntimeConvert.h"

#include <gtest/gtest.h>

#include "platform/Cp1252.h"

namespace ked {
namespace {

TEST(StrToInt, RuntimeRules) {
  struct Case { const char* text; std::optional<int32_t> value; } cases[] = {
      {"12", 12},          {"  12", 12},   {"-7", -7},        {"+7", 7},
      {"$1F", 31},         {"0x1f", 31},   {"X10", 16},       {"-$10", -16},
      {"$FFFFFFFF", -1},   {"2147483647", 2147483647},        {"-2147483648", INT32_MIN},
      {"2147483648", {}},  {"12 ", {}},    {"", {}},          {"  ", {}},
      {"1.5", {}},         {"$", {}},      {"0x", {}},        {"abc", {}},
      {"$100000000", {}},  {"007", 7}};
  for (const Case& c : cases) EXPECT_EQ(StrToInt(c.text), c.value) << "'" << c.text << "'";
}

TEST(RuntimeMessages, FrenchTexts) {
  EXPECT_EQ(NotAnIntegerMessage("x1"), "'x1' n'est pas une valeur entière correcte");
  EXPECT_EQ(NotATimeMessage("25:00"), "'25:00' n'est pas une heure correcte");
  EXPECT_EQ(CannotOpenFileMessage("/a/b"), "Impossible d'ouvrir le fichier /a/b");
}

TEST(Cp1252, RoundTripsEveryDefinedByte) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Cp1252ToUtf8("\x80\xE9\x9C"), "€éœ");
  EXPECT_EQ(Utf8ToCp1252("€é漢"), "\x80\xE9?");
  EXPECT_TRUE(EqualsNoCaseCp1252("ENTIT\xC9", "entit\xE9"));
  EXPECT_FALSE(EqualsNoCaseCp1252("Entite", "Entit\xE9"));
}

}  // namespace
}  // namespace ked
