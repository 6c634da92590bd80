// Ctrl+C / Ctrl+Insert, Ctrl+X, Ctrl+V / Shift+Insert through the real clipboard.

#include <cstring>
#include <string>

#include "grid_test_window.h"

namespace {

class GridClipboard : public GridWindowTest {
protected:
    void SetUp() override {
        GridWindowTest::SetUp();
        grid.SetCellText(1, 1, "张三");
        grid.SetCellText(1, 2, "11.1");
        grid.SetCellText(2, 1, "李四");
        grid.SetCellText(2, 2, "11.6");
    }

    std::string ClipboardText() {
        std::string text;
        if (!OpenClipboard(Grid())) return "(clipboard busy)";
        if (HANDLE block = GetClipboardData(CF_TEXT)) {
            text = static_cast<const char*>(GlobalLock(block));
            GlobalUnlock(block);
        }
        CloseClipboard();
        return text;
    }

    std::wstring ClipboardUnicode() {
        std::wstring text;
        if (!OpenClipboard(Grid())) return L"(clipboard busy)";
        if (HANDLE block = GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(GlobalLock(block));
            GlobalUnlock(block);
        }
        CloseClipboard();
        return text;
    }

    // Puts bytes of one format alone on the clipboard.
    void PutOnClipboard(UINT format, const void* data, size_t bytes) {
        ASSERT_TRUE(OpenClipboard(Grid()));
        EmptyClipboard();
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
        std::memcpy(GlobalLock(block), data, bytes);
        GlobalUnlock(block);
        SetClipboardData(format, block);
        CloseClipboard();
    }

    void SelectTheFilledCells() { Drag(CellCentre(1, 1), CellCentre(2, 2)); }
};

TEST_F(GridClipboard, CopyPutsGbkAndUnicodeText) {
    for (const WPARAM key : {WPARAM{'C'}, WPARAM{VK_INSERT}}) {
        PutOnClipboard(CF_TEXT, "old", 4);
        SelectTheFilledCells();
        Press(key, {VK_CONTROL});
        EXPECT_EQ(ClipboardText(), "张三\t11.1\r\n李四\t11.6") << key;
        EXPECT_EQ(ClipboardUnicode(), L"张三\t11.1\r\n李四\t11.6") << key;
        EXPECT_EQ(grid.GetCellValue(1, 1).text, "张三");
    }
}

TEST_F(GridClipboard, CutCopiesThenEmpties) {
    SelectTheFilledCells();
    Press('X', {VK_CONTROL});
    EXPECT_EQ(ClipboardText(), "张三\t11.1\r\n李四\t11.6");
    for (const CellPos cell : {CellPos{1, 1}, CellPos{1, 2}, CellPos{2, 1}, CellPos{2, 2}}) {
        EXPECT_EQ(grid.GetCellValue(cell.row, cell.column).text, "") << cell.row << "," << cell.column;
    }
}

TEST_F(GridClipboard, CutOfAColumnLeavesItsHeader) {
    grid.SetCellText(0, 1, "起止日期");
    Click(CellCentre(0, 1));
    Press('X', {VK_CONTROL});
    EXPECT_EQ(ClipboardText(), "起止日期\r\n张三\r\n李四\r\n\r\n");
    EXPECT_EQ(grid.GetCellValue(0, 1).text, "起止日期");
    EXPECT_EQ(grid.GetCellValue(1, 1).text, "");
}

TEST_F(GridClipboard, PasteReadsUnicodeTextFromTheFocusCell) {
    const wchar_t text[] = L"王五\t12.1\r\n赵六\r\n";
    PutOnClipboard(CF_UNICODETEXT, text, sizeof(text));
    Click(CellCentre(3, 3));
    Press('V', {VK_CONTROL});
    EXPECT_EQ(grid.GetCellValue(3, 3).text, "王五");
    EXPECT_EQ(grid.GetCellValue(3, 4).text, "12.1");
    EXPECT_EQ(grid.GetCellValue(4, 3).text, "赵六");
    EXPECT_EQ(grid.GetCellValue(4, 4).text, "");
}

TEST_F(GridClipboard, ShiftInsertPastesAnsiTextCutAtTheGridsEdge) {
    const char text[] = "a\tb\tc\r\nd";
    PutOnClipboard(CF_TEXT, text, sizeof(text));
    Click(CellCentre(4, 3));
    Press(VK_INSERT, {VK_SHIFT});
    EXPECT_EQ(grid.GetCellValue(4, 3).text, "a");
    EXPECT_EQ(grid.GetCellValue(4, 4).text, "b");
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.ColumnCount(), 5);
}

TEST_F(GridClipboard, CopiedCellsPasteBackElsewhere) {
    SelectTheFilledCells();
    Press('C', {VK_CONTROL});
    Click(CellCentre(3, 0));
    Press('V', {VK_CONTROL});
    EXPECT_EQ(grid.GetCellValue(3, 0).text, "张三");
    EXPECT_EQ(grid.GetCellValue(4, 1).text, "11.6");
}

}  // namespace
