#include "subtitle/value_checks.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

struct CheckCase {
  const char* first;
  const char* second;
  const char* line1;  // "" when the value passes
  const char* line2;
};

void ExpectOutcome(const CheckResult& result, const CheckCase& c) {
  if (std::string(c.line1).empty()) {
    EXPECT_TRUE(result.ok) << c.first << " / " << c.second << ": " << result.message.line1;
    return;
  }
  ASSERT_FALSE(result.ok) << c.first << " / " << c.second;
  EXPECT_EQ(result.message, (Message{"Hiba!", "hiba", c.line1, c.line2}));
}

class CheckTimeCodeTable : public testing::TestWithParam<CheckCase> {};
TEST_P(CheckTimeCodeTable, reports_the_first_failure) { ExpectOutcome(CheckTimeCode(GetParam().first), GetParam()); }
INSTANTIATE_TEST_SUITE_P(
    Values, CheckTimeCodeTable,
    testing::Values(CheckCase{"23:59:59,999", "", "", ""}, CheckCase{"00:00:00,000", "", "", ""},
                    CheckCase{"24:00:00,000", "", "Túl nagy időt ütött be!", "Az óra kisebb legyen mint 24!"},
                    CheckCase{"00:60:00,000", "", "Túl nagy időt ütött be!", "A perc időintervalluma: 0-59!"},
                    CheckCase{"00:00:60,000", "", "Túl nagy időt ütött be!", "A másodperc időintervalluma: 0-59!"},
                    CheckCase{"25:61:61,000", "", "Túl nagy időt ütött be!", "Az óra kisebb legyen mint 24!"},
                    CheckCase{"1:02:03,456", "", "Hiba az /egyik/ intervallumban!", "Helyes megadás pl: 01:10:34,567"},
                    CheckCase{"01:02:03.456", "", "Hiba az /egyik/ intervallumban!", "Helyes megadás pl: 01:10:34,567"},
                    CheckCase{"01:02:03,4567", "", "Hiba az /egyik/ intervallumban!", "Helyes megadás pl: 01:10:34,567"},
                    CheckCase{"", "", "Hiba az /egyik/ intervallumban!", "Helyes megadás pl: 01:10:34,567"}));

class CheckTimeCodePairTable : public testing::TestWithParam<CheckCase> {};
TEST_P(CheckTimeCodePairTable, checks_the_form_only) {
  ExpectOutcome(CheckTimeCodePair(GetParam().first, GetParam().second), GetParam());
}
INSTANTIATE_TEST_SUITE_P(
    Values, CheckTimeCodePairTable,
    testing::Values(CheckCase{"99:99:99,999", "00:00:01,000", "", ""},
                    CheckCase{"00:00:01,000", "00:00:01", "Hiba az egyik intervallumban!", "Helyes megadás pl: 01:10:34,567"},
                    CheckCase{"0a:00:01,000", "00:00:01,000", "Hiba az egyik intervallumban!", "Helyes megadás pl: 01:10:34,567"}));

class CheckFrameValueTable : public testing::TestWithParam<CheckCase> {};
TEST_P(CheckFrameValueTable, refuses_empty_and_leading_zero) { ExpectOutcome(CheckFrameValue(GetParam().first), GetParam()); }
INSTANTIATE_TEST_SUITE_P(
    Values, CheckFrameValueTable,
    testing::Values(CheckCase{"0", "", "", ""}, CheckCase{"120", "", "", ""},
                    CheckCase{"007", "", "Hiba az értékben!", "0-val nem kezdődhet az érték!"},
                    CheckCase{"", "", "Hiba az értékben! Nem ütött be semmit!", "Üss be egy számot!"}));

class CheckFramePairTable : public testing::TestWithParam<CheckCase> {};
TEST_P(CheckFramePairTable, reports_one_message) {
  ExpectOutcome(CheckFramePair(GetParam().first, GetParam().second), GetParam());
}
INSTANTIATE_TEST_SUITE_P(
    Values, CheckFramePairTable,
    testing::Values(CheckCase{"0", "10", "", ""},
                    CheckCase{"", "", "Hiba mindkét intervallumban! Nem ütött be semmit!", "Üss be egy számot!"},
                    CheckCase{"", "5", "Hiba az első értékben! Nem ütött be semmit!", "Üss be egy számot!"},
                    CheckCase{"5", "", "Hiba a második értékben! Nem ütött be semmit!", "Üss be egy számot!"},
                    CheckCase{"01", "02", "Hiba mindkét értékben!", "0-val nem kezdődhet az érték!"},
                    CheckCase{"01", "2", "Hiba az első értékben!", "0-val nem kezdődhet az érték!"},
                    CheckCase{"1", "02", "Hiba a második értékben!", "0-val nem kezdődhet az érték!"}));

}  // namespace
}  // namespace lumora
