#include "ui/grid_text_pool.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(TextPoolTest, SharesEqualTextsAndFreesTheLastHolder) {
    TextPool pool;
    EXPECT_EQ(pool.Acquire(""), TextPool::kEmpty);
    const uint32_t a = pool.Acquire("11.16");
    const uint32_t b = pool.Acquire(std::string("11.16"));
    const uint32_t c = pool.Acquire(std::string("a\0b", 3));
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    EXPECT_EQ(pool.Text(c), std::string("a\0b", 3));
    EXPECT_EQ(pool.DistinctTexts(), 2u);
    pool.Release(a);
    EXPECT_EQ(pool.Text(b), "11.16");
    pool.Release(b);
    EXPECT_EQ(pool.DistinctTexts(), 1u);
    const uint32_t again = pool.Acquire("起止日期");
    EXPECT_EQ(pool.Text(again), "起止日期");
    EXPECT_EQ(pool.Text(c), std::string("a\0b", 3));
    pool.Release(TextPool::kEmpty);  // the empty text has no holders to count
}

// The text acquired last is found again without a lookup; once freed it must
// not be found that way.
TEST(TextPoolTest, TheLastTextFreedIsStoredAnew) {
    TextPool pool;
    pool.Release(pool.Acquire("x"));
    EXPECT_EQ(pool.DistinctTexts(), 0u);
    const uint32_t x = pool.Acquire("x");
    EXPECT_EQ(pool.Acquire("x"), x);
    pool.Acquire("y");
    EXPECT_EQ(pool.Acquire("x"), x);
    EXPECT_EQ(pool.DistinctTexts(), 2u);
    pool.Release(x);
    pool.Release(x);
    pool.Release(x);
    EXPECT_EQ(pool.DistinctTexts(), 1u);
    const uint32_t z = pool.Acquire("z");  // may reuse the freed id
    EXPECT_EQ(pool.Text(z), "z");
    EXPECT_EQ(pool.Text(pool.Acquire("x")), "x");
    EXPECT_EQ(pool.DistinctTexts(), 3u);
}

// Thousands of texts acquired and released in an interleaved order: every id
// keeps its text while held, through rehashing and the reuse of freed slots.
TEST(TextPoolTest, KeepsEveryHeldTextThroughGrowthAndRemoval) {
    TextPool pool;
    std::vector<std::string> texts;
    std::vector<uint32_t> ids;
    for (int i = 0; i < 5000; ++i) {
        texts.push_back(std::to_string(i % 12 + 1) + "." + std::to_string(i));
        ids.push_back(pool.Acquire(texts.back()));
    }
    for (int i = 0; i < 5000; i += 3) pool.Release(ids[i]);
    for (int i = 0; i < 5000; i += 3) ids[i] = pool.Acquire(texts[i] + "x");
    for (int i = 0; i < 5000; ++i) {
        const std::string expected = i % 3 == 0 ? texts[i] + "x" : texts[i];
        ASSERT_EQ(pool.Text(ids[i]), expected) << i;
        ASSERT_EQ(pool.Acquire(expected), ids[i]) << i;  // found again, not stored twice
    }
    EXPECT_EQ(pool.DistinctTexts(), 5000u);
}

TEST(TextPoolTest, TextsStayInPlaceWhileOthersArrive) {
    TextPool pool;
    const uint32_t id = pool.Acquire("short");
    const std::string_view view = pool.Text(id);
    for (int i = 0; i < 10000; ++i) pool.Acquire(std::to_string(i));
    EXPECT_EQ(view.data(), pool.Text(id).data());
    EXPECT_EQ(view, "short");
}

}  // namespace
