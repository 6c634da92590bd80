// Ctrl+C, Ctrl+X, Ctrl+V: the selection as text on the clipboard, in GBK
// (CF_TEXT) and in UTF-16 (CF_UNICODETEXT) so every program reads it right.

#include <cstring>

#include "ui/grid_clipboard_text.h"
#include "ui/grid_span.h"
#include "ui/roster_grid_control.h"

namespace {

// A clipboard block holding count elements of T, the last one zero.
template <class T>
HGLOBAL MakeBlock(const T* data, size_t count) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (count + 1) * sizeof(T));
    if (!block) return nullptr;
    auto* target = static_cast<T*>(GlobalLock(block));
    if (count > 0) std::memcpy(target, data, count * sizeof(T));
    target[count] = T{};
    GlobalUnlock(block);
    return block;
}

void Offer(UINT format, HGLOBAL block) {
    if (block && !SetClipboardData(format, block)) GlobalFree(block);
}

std::wstring Widened(const std::string& text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string Narrowed(const wchar_t* wide) {
    const int length = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return {};
    std::string text(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), length, nullptr, nullptr);
    text.resize(static_cast<size_t>(length) - 1);
    return text;
}

bool PutOnClipboard(HWND owner, const std::string& text) {
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    Offer(CF_TEXT, MakeBlock(text.data(), text.size()));
    const std::wstring wide = Widened(text);
    Offer(CF_UNICODETEXT, MakeBlock(wide.data(), wide.size()));
    CloseClipboard();
    return true;
}

// The clipboard's text in GBK: from UTF-16 when offered, else the ANSI text.
std::optional<std::string> TakeFromClipboard(HWND owner) {
    if (!OpenClipboard(owner)) return std::nullopt;
    std::optional<std::string> text;
    const bool unicode = IsClipboardFormatAvailable(CF_UNICODETEXT);
    if (HANDLE block = GetClipboardData(unicode ? CF_UNICODETEXT : CF_TEXT)) {
        if (const void* data = GlobalLock(block)) {
            text = unicode ? Narrowed(static_cast<const wchar_t*>(data)) : std::string(static_cast<const char*>(data));
            GlobalUnlock(block);
        }
    }
    CloseClipboard();
    return text;
}

std::optional<CellRect> CopiedCells(const GridControl& grid) {
    if (const auto selection = grid.model.Selection()) return selection;
    if (const auto focus = grid.model.Focus()) return CellSpan(grid.model, *focus);
    return std::nullopt;
}

}  // namespace

void CopySelection(GridControl& grid) {
    if (const auto cells = CopiedCells(grid)) PutOnClipboard(grid.window, CellsAsText(grid.model, *cells));
}

void CutSelection(GridControl& grid) {
    const auto cells = CopiedCells(grid);
    // Nothing is emptied unless its texts are safe on the clipboard.
    if (!cells || !PutOnClipboard(grid.window, CellsAsText(grid.model, *cells))) return;
    EmptyBodyCells(grid.model, *cells);
    InvalidateCells(grid, *cells);
}

void PasteAtFocus(GridControl& grid) {
    const auto focus = grid.model.Focus();
    if (!focus) return;
    const auto text = TakeFromClipboard(grid.window);
    if (!text) return;
    if (const auto written = PasteTable(grid.model, *focus, ParseClipboardText(*text))) {
        InvalidateCells(grid, *written);
    }
}
