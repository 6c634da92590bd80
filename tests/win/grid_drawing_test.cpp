// The picture: colours, lines, focus frame, selection, merged header cells,
// the bold header above the focus column. Read from the control's own
// drawing (WM_PRINTCLIENT into a bitmap).

#include "grid_test_window.h"

namespace {

constexpr COLORREF kGridLine = RGB(192, 192, 192);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kSelection = RGB(49, 106, 197);

using GridDrawing = GridWindowTest;

// Pixels of the given colour in a client rectangle, and their mean x.
struct Ink {
    int count = 0;
    double meanX = 0;
};
Ink InkIn(const GridPicture& picture, RECT area, COLORREF background) {
    Ink ink;
    double sumX = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (picture.At(x, y) != background) {
                ++ink.count;
                sumX += x;
            }
        }
    }
    if (ink.count > 0) ink.meanX = sumX / ink.count;
    return ink;
}

TEST_F(GridDrawing, InitialGridShowsTheSettingsColours) {
    const GridPicture picture(Grid());
    ASSERT_EQ(picture.Width(), 836);
    ASSERT_EQ(picture.Height(), 293);
    const COLORREF header = GetSysColor(COLOR_BTNFACE);
    struct Spot { int x; int y; COLORREF colour; const char* what; };
    const Spot spots[] = {
        {20, 10, header, "header cell"},
        {199, 10, kGridLine, "line right of the last header cell"},
        {39, 10, kGridLine, "line between header cells"},
        {20, 23, kGridLine, "line under the header row"},
        {20, 35, kWhite, "body cell"},
        {39, 35, kGridLine, "line between body cells"},
        {20, 47, kGridLine, "line between body rows"},
        {100, 119, kGridLine, "line under the last row"},
        {300, 10, kWhite, "right of the last column"},
        {100, 200, kWhite, "below the last row"},
        {835, 292, kWhite, "far corner"},
    };
    for (const Spot& spot : spots) EXPECT_EQ(picture.At(spot.x, spot.y), spot.colour) << spot.what;
}

TEST_F(GridDrawing, SelectionIsBlueAroundTheFramedFocusCell) {
    Drag(CellCentre(1, 1), CellCentre(2, 2));
    const GridPicture picture(Grid());
    // The focus cell (1,1) spans x 40..79, y 24..47; the frame runs just inside its lines.
    EXPECT_EQ(picture.At(40, 24), kBlack);
    EXPECT_EQ(picture.At(78, 46), kBlack);
    EXPECT_EQ(picture.At(41, 25), kWhite);
    EXPECT_EQ(picture.At(60, 36), kWhite);
    EXPECT_EQ(picture.At(79, 36), kGridLine);
    for (const POINT cell : {CellCentre(1, 2), CellCentre(2, 1), CellCentre(2, 2)}) {
        EXPECT_EQ(picture.At(cell.x, cell.y), kSelection) << cell.x << "," << cell.y;
    }
    EXPECT_EQ(picture.At(CellCentre(3, 1).x, CellCentre(3, 1).y), kWhite);
    // Header cells keep the header colours in a column selection.
    Click(CellCentre(0, 3));
    const GridPicture column(Grid());
    EXPECT_EQ(column.At(CellCentre(0, 3).x, 4), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(column.At(CellCentre(3, 3).x, CellCentre(3, 3).y), kSelection);
}

TEST_F(GridDrawing, SelectedTextIsBlack) {
    grid.SetCellText(2, 2, "WWWWW");
    Drag(CellCentre(1, 1), CellCentre(2, 2));
    const GridPicture picture(Grid());
    const POINT centre = CellCentre(2, 2);
    int black = 0;
    for (int x = centre.x - 18; x < centre.x + 18; ++x)
        for (int y = centre.y - 6; y < centre.y + 6; ++y) black += picture.At(x, y) == kBlack;
    EXPECT_GT(black, 5);
}

TEST_F(GridDrawing, MergedHeaderIsOneCellWithItsTextCentredOverBoth) {
    ShowRoster(WorkedExample());
    const GridPicture picture(Grid());
    const COLORREF header = GetSysColor(COLOR_BTNFACE);
    // Column 0 is 50 px: the pair (0,1)-(0,2) spans x 50..129.
    EXPECT_EQ(picture.At(89, 3), header);      // no line between the merged cells
    EXPECT_EQ(picture.At(129, 3), kGridLine);  // the range's own right line
    EXPECT_EQ(picture.At(89, 35), kGridLine);  // the body below keeps its line
    const Ink text = InkIn(picture, {50, 1, 129, 22}, header);
    EXPECT_GT(text.count, 20);
    EXPECT_NEAR(text.meanX, 89.5, 4);
    // The name column's texts are centred too.
    const Ink name = InkIn(picture, {0, 25, 49, 47}, kWhite);
    EXPECT_GT(name.count, 10);
    EXPECT_NEAR(name.meanX, 24.5, 4);
}

TEST_F(GridDrawing, HeaderAboveTheFocusColumnIsBold) {
    ShowRoster(WorkedExample());
    const COLORREF header = GetSysColor(COLOR_BTNFACE);
    Click(CellCentre(1, 3));
    const GridPicture normal(Grid());
    Click(CellCentre(1, 0));
    const GridPicture bold(Grid());
    const RECT nameHeader{0, 1, 49, 22};
    EXPECT_GT(InkIn(bold, nameHeader, header).count, InkIn(normal, nameHeader, header).count);
}

TEST_F(GridDrawing, LongTextIsCutAtTheCellsEdge) {
    grid.SetCellText(1, 0, "WWWWWWWWWWWWWWWWWWWW");
    const GridPicture picture(Grid());
    EXPECT_EQ(picture.At(39, 36), kGridLine);
    EXPECT_EQ(InkIn(picture, {40, 25, 79, 47}, kWhite).count, 0);  // nothing spills into the next cell
    EXPECT_GT(InkIn(picture, {0, 25, 39, 47}, kWhite).count, 10);
}

TEST_F(GridDrawing, AmpersandIsDrawnAsItself) {
    grid.ResizeColumn(1, 200);
    grid.SetCellText(1, 1, "&&&&");
    grid.SetCellText(2, 1, "&&");
    const GridPicture picture(Grid());
    // Four ampersands leave twice the ink of two; prefix processing would
    // show two and one.
    const int four = InkIn(picture, {40, 25, 239, 47}, kWhite).count;
    const int two = InkIn(picture, {40, 49, 239, 71}, kWhite).count;
    EXPECT_GT(two, 0);
    EXPECT_NEAR(static_cast<double>(four) / two, 2.0, 0.3);
}

TEST_F(GridDrawing, ScrolledGridKeepsTheHeaderRowOnTop) {
    grid.SetRowCount(100);
    grid.SetCellText(0, 0, "HEAD");
    SendMessageA(Grid(), WM_VSCROLL, SB_PAGEDOWN, 0);
    ASSERT_GT(Scroll().firstRow, 1);
    const GridPicture picture(Grid());
    EXPECT_EQ(picture.At(35, 10), GetSysColor(COLOR_BTNFACE));
    EXPECT_GT(InkIn(picture, {0, 1, 39, 22}, GetSysColor(COLOR_BTNFACE)).count, 5);
}

}  // namespace
