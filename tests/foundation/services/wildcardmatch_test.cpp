#include "foundation/services/wildcardmatch.h"

#include <gtest/gtest.h>

namespace zanvik::services {
namespace {

TEST(WildcardMatchTest, StarAndQuestionMarkOnly) {
    const struct {
        const char* name;
        const char* pattern;
        bool matches;
    } cases[] = {
        {"a1.jpg", "a1.jpg", true},
        {"a1.jpg", "A1.jpg", false},
        {"a1.jpg", "*", true},
        {"", "*", true},
        {"", "?", false},
        {"a1.jpg", "*.jpg", true},
        {"a1.jpg.bak", "*.jpg", false},
        {"a1.jpg", "a?.jpg", true},
        {"a12.jpg", "a?.jpg", false},
        {"abcbcd", "a*bcd", true},
        {"abcbce", "a*bcd", false},
        {"a", "a**", true},
        {"猫.jpg", "?.jpg", true},
        {"猫狗.jpg", "?.jpg", false},
        {"猫狗.jpg", "猫*", true},
        {"[1]", "[1]", true},
        {"1", "[1]", false},
        {"a\\b", "a\\b", true},
        {"\xFF\xFE", "??", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(matchesWildcard(c.name, c.pattern), c.matches) << c.name << " vs " << c.pattern;
    }
}

TEST(WildcardMatchTest, ManyStarsStayFast) {
    const std::string name(5000, 'a');
    const std::string pattern = std::string(50, '*') + "b";
    EXPECT_FALSE(matchesWildcard(name, pattern));
}

} // namespace
} // namespace zanvik::services
