#include "ui/grid_navigation.h"

#include <gtest/gtest.h>

namespace {

// 4 rows (header and 3 body rows) by 5 columns.
GridModel FourByFive() {
    GridModel model;
    model.SetRowCount(4);
    return model;
}

TEST(GridNavigation, KeysMoveTheFocusWithinTheBody) {
    const GridModel model = FourByFive();
    using M = GridMove;
    struct Case { CellPos from; GridMove move; CellPos to; };
    const Case cases[] = {
        {{1, 0}, M::Left, {1, 0}},
        {{1, 0}, M::Right, {1, 1}},
        {{1, 4}, M::Right, {1, 4}},
        {{1, 2}, M::Up, {1, 2}},   // the header row takes no focus
        {{1, 2}, M::Down, {2, 2}},
        {{3, 2}, M::Down, {3, 2}},
        {{1, 3}, M::NextInRow, {1, 4}},
        {{1, 4}, M::NextInRow, {2, 0}},
        {{3, 4}, M::NextInRow, {3, 4}},
        {{2, 0}, M::PreviousInRow, {1, 4}},
        {{1, 0}, M::PreviousInRow, {1, 0}},
        {{1, 2}, M::PageDown, {3, 2}},  // page of 2 rows
        {{2, 2}, M::PageDown, {3, 2}},
        {{3, 2}, M::PageUp, {1, 2}},
        {{2, 3}, M::RowStart, {2, 0}},
        {{2, 1}, M::RowEnd, {2, 4}},
        {{3, 3}, M::GridStart, {1, 0}},
        {{1, 1}, M::GridEnd, {3, 4}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MovedFocus(model, c.from, c.move, 2), c.to)
            << c.from.row << "," << c.from.column << " move " << static_cast<int>(c.move);
    }
}

TEST(GridNavigation, WithoutFocusAnyKeyFocusesTheFirstBodyCell) {
    const GridModel model = FourByFive();
    EXPECT_EQ(MovedFocus(model, std::nullopt, GridMove::Down, 2), (CellPos{1, 0}));
    EXPECT_EQ(MovedFocus(model, CellPos{0, 3}, GridMove::Left, 2), (CellPos{1, 0}));
    GridModel headerOnly;
    headerOnly.SetRowCount(1);
    EXPECT_EQ(MovedFocus(headerOnly, std::nullopt, GridMove::Down, 2), std::nullopt);
}

TEST(GridNavigation, MovesStepOverAMergedRangeAndLandOnItsMainCell) {
    GridModel model = FourByFive();
    model.MergeRange(1, 1, 2, 2);
    using M = GridMove;
    struct Case { CellPos from; GridMove move; CellPos to; };
    const Case cases[] = {
        {{1, 0}, M::Right, {1, 1}},
        {{2, 0}, M::Right, {1, 1}},
        {{1, 1}, M::Right, {1, 3}},
        {{1, 1}, M::Down, {3, 1}},
        {{3, 2}, M::Up, {1, 1}},
        {{2, 3}, M::Left, {1, 1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MovedFocus(model, c.from, c.move, 2), c.to) << c.from.row << "," << c.from.column;
    }
}

TEST(GridSelector, ClickFocusesAndSelectsOneBodyCellOnly) {
    GridModel model = FourByFive();
    GridSelector selector(model);
    selector.SelectCell({2, 3});
    EXPECT_EQ(model.Focus(), (CellPos{2, 3}));
    EXPECT_EQ(model.Selection(), (CellRect{2, 3, 2, 3}));
    selector.SelectCell({0, 1});  // header cells are not selectable one by one
    EXPECT_EQ(model.Focus(), (CellPos{2, 3}));
}

TEST(GridSelector, HeaderSelectsTheColumnsUnderIt) {
    GridModel model = FourByFive();
    model.MergeRange(0, 3, 0, 4);
    GridSelector selector(model);
    selector.SelectColumns(2);
    EXPECT_EQ(model.Selection(), (CellRect{0, 2, 3, 2}));
    EXPECT_EQ(model.Focus(), (CellPos{1, 2}));
    selector.SelectColumns(4);
    EXPECT_EQ(model.Selection(), (CellRect{0, 3, 3, 4}));
    EXPECT_EQ(model.Focus(), (CellPos{1, 3}));
}

TEST(GridSelector, ExtendingKeepsTheFocusAndMovesTheFarCorner) {
    GridModel model = FourByFive();
    GridSelector selector(model);
    selector.SelectCell({2, 1});
    selector.Move(GridMove::Right, 2, true);
    selector.Move(GridMove::Right, 2, true);
    selector.Move(GridMove::Up, 2, true);
    EXPECT_EQ(model.Focus(), (CellPos{2, 1}));
    EXPECT_EQ(model.Selection(), (CellRect{1, 1, 2, 3}));
    EXPECT_EQ(selector.Reached(), (CellPos{1, 3}));
    selector.ExtendTo({3, 0});
    EXPECT_EQ(model.Selection(), (CellRect{2, 0, 3, 1}));
    // A plain key starts over from the focus.
    selector.Move(GridMove::Right, 2, false);
    EXPECT_EQ(model.Focus(), (CellPos{2, 2}));
    EXPECT_EQ(model.Selection(), (CellRect{2, 2, 2, 2}));
}

TEST(GridSelector, FarCornerGoneWithTheGridsOwnRules) {
    GridModel model = FourByFive();
    GridSelector selector(model);
    selector.SelectCell({1, 1});
    selector.ExtendTo({3, 4});
    model.SetColumnCount(3);  // cuts the selection and drops the far corner
    EXPECT_EQ(selector.Reached(), model.Focus());
    model.SetFocus(std::nullopt);
    model.SetSelection(std::nullopt);
    EXPECT_EQ(selector.Reached(), std::nullopt);
    selector.Move(GridMove::Down, 2, true);  // no focus to extend from
    EXPECT_EQ(model.Focus(), (CellPos{1, 0}));
    EXPECT_EQ(model.Selection(), (CellRect{1, 0, 1, 0}));
}

TEST(GridSelector, SelectAllCoversEveryCellAndKeepsTheFocus) {
    GridModel model = FourByFive();
    GridSelector selector(model);
    selector.SelectAll();
    EXPECT_EQ(model.Selection(), (CellRect{0, 0, 3, 4}));
    EXPECT_EQ(model.Focus(), (CellPos{1, 0}));
    selector.SelectCell({2, 2});
    selector.SelectAll();
    EXPECT_EQ(model.Focus(), (CellPos{2, 2}));
}

}  // namespace
