// The in-place editor: how it opens, what closing it writes.

#include "grid_test_window.h"

namespace {

using GridEditing = GridWindowTest;

std::string EditorText(HWND editor) {
    char text[256] = {};
    GetWindowTextA(editor, text, sizeof(text));
    return text;
}

TEST_F(GridEditing, DoubleClickOpensTheCellsTextAndEnterCommits) {
    grid.SetCellText(1, 1, "原");
    DoubleClick(CellCentre(1, 1));
    HWND editor = Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(GetFocus(), editor);
    EXPECT_EQ(EditorText(editor), "原");
    Type("文abc");
    Press(VK_RETURN);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(GetFocus(), Grid());
    EXPECT_EQ(grid.GetCellValue(1, 1).text, "原文abc");
}

TEST_F(GridEditing, EscCancels) {
    grid.SetCellText(2, 3, "keep");
    DoubleClick(CellCentre(2, 3));
    ASSERT_NE(Editor(), nullptr);
    Type("lost");
    Press(VK_ESCAPE);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(grid.GetCellValue(2, 3).text, "keep");
}

TEST_F(GridEditing, TypedCharacterReplacesTheTextAndLeavingCommits) {
    grid.SetCellText(1, 2, "old");
    Click(CellCentre(1, 2));
    ASSERT_EQ(Editor(), nullptr);
    Type("值班");  // double-byte characters arrive a byte at a time
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(EditorText(Editor()), "值班");
    SetFocus(button);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(grid.GetCellValue(1, 2).text, "值班");
}

TEST_F(GridEditing, CharactersQueuedForTheGridJoinTheEditor) {
    Click(CellCentre(1, 2));
    for (const char byte : std::string("王a五")) SendMessageA(Grid(), WM_CHAR, static_cast<BYTE>(byte), 1);
    Press(VK_RETURN);
    EXPECT_EQ(grid.GetCellValue(1, 2).text, "王a五");
}

TEST_F(GridEditing, ClickOnTheFocusCellOpensTheEditor) {
    Click(CellCentre(3, 0));
    EXPECT_EQ(Editor(), nullptr);
    Click(CellCentre(3, 0));
    EXPECT_NE(Editor(), nullptr);
    // A click elsewhere commits and moves on without an editor.
    Type("x");
    Click(CellCentre(1, 4));
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(grid.GetCellValue(3, 0).text, "x");
    EXPECT_EQ(grid.Model().Focus(), (CellPos{1, 4}));
}

TEST_F(GridEditing, TabInTheEditorCommitsAndMovesRight) {
    DoubleClick(CellCentre(1, 0));
    Type("a");
    Press(VK_TAB);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(grid.GetCellValue(1, 0).text, "a");
    EXPECT_EQ(grid.Model().Focus(), (CellPos{1, 1}));
    EXPECT_EQ(GetFocus(), Grid());
}

TEST_F(GridEditing, HeaderCellsNeverOpenAnEditor) {
    grid.SetCellText(0, 1, "头");
    DoubleClick(CellCentre(0, 1));
    EXPECT_EQ(Editor(), nullptr);
    // The double-click selected the column; the focus went below the header.
    EXPECT_EQ(grid.Model().Selection(), (CellRect{0, 1, 4, 1}));
    Click(CellCentre(0, 1));
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(grid.GetCellValue(0, 1).text, "头");
}

TEST_F(GridEditing, TheEditorTakesTheCellsAlignmentAndSitsInsideIt) {
    ShowRoster(WorkedExample());
    DoubleClick(CellCentre(2, 1));
    HWND editor = Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_NE(GetWindowLongPtrA(editor, GWL_STYLE) & ES_CENTER, 0);
    RECT box{};
    GetWindowRect(editor, &box);
    MapWindowPoints(nullptr, Grid(), reinterpret_cast<POINT*>(&box), 2);
    const GridModel& model = grid.Model();
    EXPECT_GE(box.left, ColumnX(model, Scroll(), 1));
    EXPECT_LE(box.right, ColumnX(model, Scroll(), 2));
    EXPECT_GE(box.top, RowY(model, Scroll(), 2));
    EXPECT_LE(box.bottom, RowY(model, Scroll(), 3));
    EXPECT_EQ(EditorText(editor), grid.GetCellValue(2, 1).text);
}

TEST_F(GridEditing, TheSystemsOwnWritesCommitAnOpenEditorFirst) {
    DoubleClick(CellCentre(1, 1));
    Type("typed");
    grid.SetCellText(1, 1, "written");
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(grid.GetCellValue(1, 1).text, "written");
}

}  // namespace
