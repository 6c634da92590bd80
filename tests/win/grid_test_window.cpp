#include "grid_test_window.h"

#include <windowsx.h>

namespace {

int contextMenuRequests = 0;

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CONTEXTMENU) ++contextMenuRequests;
    return DefWindowProcA(window, message, wParam, lParam);
}

const char* HostClass() {
    static const char* name = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &HostProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = "GridTestHost";
        RegisterClassA(&windowClass);
        return "GridTestHost";
    }();
    return name;
}

LPARAM At(POINT p) { return MAKELPARAM(p.x, p.y); }

DateValue Day(int64_t year, int month, int day) { return DateValueFromCalendar({year, month, day, 10, 0, 0}); }

}  // namespace

// One host window for every test (destroying an active top-level window
// costs Wine seconds); each test gets a fresh grid in it.
HWND GridWindowTest::host = nullptr;
HWND GridWindowTest::button = nullptr;

void GridWindowTest::SetUpTestSuite() {
    host = CreateWindowExA(0, HostClass(), "grid test", WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 40, 40, 1007, 341,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    button = CreateWindowExA(0, "BUTTON", "ok", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 16, 272, 50, 32, host, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ShowWindow(host, SW_SHOW);
    SetForegroundWindow(host);
}

void GridWindowTest::TearDownTestSuite() {
    DestroyWindow(host);
    host = nullptr;
    button = nullptr;
}

void GridWindowTest::SetUp() {
    contextMenuRequests = 0;
    ASSERT_NE(host, nullptr);
    ASSERT_TRUE(grid.Create(host, 1, 160, 7, 840, 297));
    ShowWindow(Grid(), SW_SHOWNA);
    SetFocus(Grid());
}

void GridWindowTest::TearDown() {
    // Modifier keys never stay down into the next test.
    BYTE keys[256] = {};
    SetKeyboardState(keys);
}

GridScroll GridWindowTest::Scroll() const {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_POS;
    GridScroll scroll;
    if (GetScrollInfo(Grid(), SB_VERT, &info)) scroll.firstRow = info.nPos + 1;
    info.nPos = 0;
    if (GetScrollInfo(Grid(), SB_HORZ, &info)) scroll.firstColumn = info.nPos;
    return scroll;
}

POINT GridWindowTest::CellCentre(int32_t row, int32_t column) const {
    const GridModel& model = grid.Model();
    const GridScroll scroll = Scroll();
    return {static_cast<LONG>(ColumnX(model, scroll, column) + model.ColumnWidth(column) / 2),
            static_cast<LONG>(RowY(model, scroll, row) + model.RowHeight(row) / 2)};
}

POINT GridWindowTest::ColumnLine(int32_t column) const {
    const GridModel& model = grid.Model();
    return {static_cast<LONG>(ColumnX(model, Scroll(), column) + model.ColumnWidth(column) - 1), 8};
}

POINT GridWindowTest::RowLine(int32_t row, int x) const {
    const GridModel& model = grid.Model();
    return {x, static_cast<LONG>(RowY(model, Scroll(), row) + model.RowHeight(row) - 1)};
}

void GridWindowTest::Click(POINT at, WPARAM keys) {
    SendMessageA(Grid(), WM_LBUTTONDOWN, MK_LBUTTON | keys, At(at));
    SendMessageA(Grid(), WM_LBUTTONUP, keys, At(at));
}

void GridWindowTest::DoubleClick(POINT at) {
    Click(at);
    SendMessageA(Grid(), WM_LBUTTONDBLCLK, MK_LBUTTON, At(at));
    SendMessageA(Grid(), WM_LBUTTONUP, 0, At(at));
}

void GridWindowTest::RightClick(POINT at) {
    SendMessageA(Grid(), WM_RBUTTONDOWN, MK_RBUTTON, At(at));
    SendMessageA(Grid(), WM_RBUTTONUP, 0, At(at));
}

void GridWindowTest::Drag(POINT from, POINT to) {
    SendMessageA(Grid(), WM_LBUTTONDOWN, MK_LBUTTON, At(from));
    // Through the midpoint too, as a real mouse passes on its way.
    const POINT middle{(from.x + to.x) / 2, (from.y + to.y) / 2};
    SendMessageA(Grid(), WM_MOUSEMOVE, MK_LBUTTON, At(middle));
    SendMessageA(Grid(), WM_MOUSEMOVE, MK_LBUTTON, At(to));
    SendMessageA(Grid(), WM_LBUTTONUP, 0, At(to));
}

void GridWindowTest::Press(WPARAM key, std::initializer_list<int> held) {
    BYTE keys[256] = {};
    for (int k : held) keys[k] = 0x80;
    SetKeyboardState(keys);
    HWND target = GetFocus();
    SendMessageA(target, WM_KEYDOWN, key, 1);
    SendMessageA(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    BYTE released[256] = {};
    SetKeyboardState(released);
}

void GridWindowTest::Type(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        // One character, one or two GBK bytes, to whatever has the focus now.
        const size_t bytes = IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size() ? 2 : 1;
        HWND target = GetFocus();
        if (target == Grid()) {
            // An ANSI window gets a double-byte character as two WM_CHARs.
            for (size_t b = i; b < i + bytes; ++b) SendMessageA(target, WM_CHAR, static_cast<BYTE>(text[b]), 1);
        } else {
            // The editor gets UTF-16, as from an input method.
            wchar_t wide[2] = {};
            MultiByteToWideChar(CP_ACP, 0, text.data() + i, static_cast<int>(bytes), wide, 2);
            SendMessageW(target, WM_CHAR, wide[0], 1);
        }
        i += bytes;
    }
}

HWND GridWindowTest::Editor() const {
    return FindWindowExA(Grid(), nullptr, "Edit", nullptr);
}

void GridWindowTest::ShowRoster(const RosterRequest& request) {
    RosterResult result = GenerateRoster(request);
    ASSERT_TRUE(std::holds_alternative<RosterAcceptance>(result));
    const RosterAcceptance& roster = std::get<RosterAcceptance>(result);
    int32_t storedCycleCount = 0;
    grid.ChangeModel([&](GridModel& model) { ShowAcceptedRoster(model, roster, storedCycleCount); });
}

RosterRequest WorkedExample() {
    return {Day(2012, 11, 1), Day(2012, 11, 30), "5", {"张三", "李四", "王五"}};
}

RosterRequest LargestRoster() {
    return {Day(1601, 1, 1), Day(9999, 12, 31), "1", {"张三"}};
}

GridPicture::GridPicture(HWND grid) {
    RECT client{};
    GetClientRect(grid, &client);
    width_ = client.right;
    height_ = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
    bits_ = static_cast<const uint32_t*>(bits);
    SendMessageA(grid, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
    GdiFlush();
}

GridPicture::~GridPicture() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

COLORREF GridPicture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || !bits_) return CLR_INVALID;
    const uint32_t pixel = bits_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

int ContextMenuRequests() { return contextMenuRequests; }
