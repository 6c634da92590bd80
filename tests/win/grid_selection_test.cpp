// Focus and selection by mouse and keys, and the right button.

#include "grid_test_window.h"

namespace {

using GridSelection = GridWindowTest;

TEST_F(GridSelection, ClickFocusesAndSelectsTheCell) {
    Click(CellCentre(2, 3));
    EXPECT_EQ(grid.Model().Focus(), (CellPos{2, 3}));
    EXPECT_EQ(grid.Model().Selection(), (CellRect{2, 3, 2, 3}));
    EXPECT_EQ(GetFocus(), Grid());
}

TEST_F(GridSelection, DragSelectsARectangleFromTheFocus) {
    Drag(CellCentre(3, 3), CellCentre(1, 1));
    EXPECT_EQ(grid.Model().Focus(), (CellPos{3, 3}));
    EXPECT_EQ(grid.Model().Selection(), (CellRect{1, 1, 3, 3}));
    EXPECT_EQ(Editor(), nullptr);  // the press was not on the focus cell
    // A drag that began on the focus cell and left it opens no editor either.
    Drag(CellCentre(3, 3), CellCentre(4, 4));
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(grid.Model().Selection(), (CellRect{3, 3, 4, 4}));
}

TEST_F(GridSelection, DragIntoTheHeaderRowStopsAtRowOne) {
    Drag(CellCentre(3, 1), CellCentre(0, 2));
    EXPECT_EQ(grid.Model().Selection(), (CellRect{1, 1, 3, 2}));
}

TEST_F(GridSelection, ShiftClickExtendsFromTheFocus) {
    Click(CellCentre(1, 1));
    Click(CellCentre(3, 2), MK_SHIFT);
    EXPECT_EQ(grid.Model().Focus(), (CellPos{1, 1}));
    EXPECT_EQ(grid.Model().Selection(), (CellRect{1, 1, 3, 2}));
}

TEST_F(GridSelection, HeaderClickSelectsTheWholeColumn) {
    Click(CellCentre(0, 2));
    EXPECT_EQ(grid.Model().Selection(), (CellRect{0, 2, 4, 2}));
    EXPECT_EQ(grid.Model().Focus(), (CellPos{1, 2}));
}

TEST_F(GridSelection, MergedHeaderClickSelectsBothColumns) {
    ShowRoster(WorkedExample());
    Click(CellCentre(0, 4));
    EXPECT_EQ(grid.Model().Selection(), (CellRect{0, 3, 3, 4}));
}

TEST_F(GridSelection, KeysMoveTheFocusAndTheGridKeepsTab) {
    EXPECT_NE(SendMessageA(Grid(), WM_GETDLGCODE, VK_TAB, 0) & DLGC_WANTTAB, 0);
    Click(CellCentre(1, 0));
    struct Step { WPARAM key; std::initializer_list<int> held; CellPos focus; };
    const Step steps[] = {
        {VK_RIGHT, {}, {1, 1}}, {VK_DOWN, {}, {2, 1}}, {VK_TAB, {}, {2, 2}}, {VK_END, {}, {2, 4}},
        {VK_TAB, {}, {3, 0}},   {VK_UP, {}, {2, 0}},   {VK_NEXT, {}, {4, 0}}, {VK_PRIOR, {}, {1, 0}},
        {VK_END, {VK_CONTROL}, {4, 4}}, {VK_HOME, {}, {4, 0}}, {VK_LEFT, {}, {4, 0}},
        {VK_HOME, {VK_CONTROL}, {1, 0}},
    };
    for (const Step& step : steps) {
        Press(step.key, step.held);
        EXPECT_EQ(grid.Model().Focus(), step.focus) << "key " << step.key;
        EXPECT_EQ(GetFocus(), Grid());
    }
    Press(VK_RIGHT, {VK_SHIFT});
    Press(VK_DOWN, {VK_SHIFT});
    EXPECT_EQ(grid.Model().Focus(), (CellPos{1, 0}));
    EXPECT_EQ(grid.Model().Selection(), (CellRect{1, 0, 2, 1}));
}

TEST_F(GridSelection, CtrlASelectsAllCells) {
    ShowRoster(WorkedExample());
    Press('A', {VK_CONTROL});
    EXPECT_EQ(grid.Model().Selection(), (CellRect{0, 0, 3, 4}));
}

TEST_F(GridSelection, RightClickMovesTheFocusAndOpensNoMenu) {
    RightClick(CellCentre(3, 2));
    EXPECT_EQ(grid.Model().Focus(), (CellPos{3, 2}));
    RightClick(CellCentre(0, 4));
    EXPECT_EQ(grid.Model().Focus(), (CellPos{1, 4}));
    SendMessageA(Grid(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Grid()), MAKELPARAM(-1, -1));
    EXPECT_EQ(ContextMenuRequests(), 0);
    EXPECT_EQ(Editor(), nullptr);
}

}  // namespace
