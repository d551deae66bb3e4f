// Drawing: a window paints edges of every style, a picture with a key colour
// left transparent over a pattern, and text in several fonts; the scene
// measures the text and leaves a picture of the window, drawing.png, in the
// output folder.

#include <chrono>
#include <cstring>
#include <string>

#include "Scenes.h"
#include "platform/driver/Driver.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zvdemo {

namespace {

using namespace zv::win;

constexpr const char* kDemoClass = "ZvDemoDrawing";
constexpr COLORREF kKey = RGB(255, 0, 255);

struct Sample {
    const char* face;
    LONG height;
    LONG weight;
    BYTE italic;
    const char* text;
};

constexpr Sample kSamples[] = {
    {"Tahoma", -11, FW_NORMAL, 0, "Tahoma 8 pt: The quick brown fox"},
    {"Tahoma", -11, FW_BOLD, 0, "Tahoma 8 pt bold: The quick brown fox"},
    {"Times New Roman", -16, FW_NORMAL, 1, "Times 12 pt italic: The quick brown fox"},
    {"Courier New", -13, FW_NORMAL, 0, "Courier 10 pt: The quick brown fox"},
    {"Webdings", -16, FW_NORMAL, 0, "3456r"},
};

HFONT MakeFont(const Sample& sample) {
    LOGFONTA logFont;
    logFont.lfHeight = sample.height;
    logFont.lfWeight = sample.weight;
    logFont.lfItalic = sample.italic;
    std::strncpy(logFont.lfFaceName, sample.face, sizeof logFont.lfFaceName - 1);
    return CreateFontIndirectA(&logFont);
}

void Label(HDC hdc, int x, int y, const char* text) {
    RECT box{x, y, x + 80, y + 14};
    DrawTextA(hdc, text, -1, &box, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void PaintEdges(HDC hdc) {
    constexpr struct {
        UINT edge;
        const char* name;
    } kEdges[] = {{EDGE_RAISED, "raised"},          {EDGE_SUNKEN, "sunken"},
                  {EDGE_ETCHED, "etched"},          {EDGE_BUMP, "bump"},
                  {BDR_RAISEDINNER, "raised soft"}, {BDR_SUNKENOUTER, "sunken soft"}};
    SetBkMode(hdc, TRANSPARENT);
    int x = 10;
    for (const auto& edge : kEdges) {
        RECT box{x, 10, x + 70, 40};
        DrawEdge(hdc, &box, edge.edge, BF_RECT);
        Label(hdc, x - 5, 42, edge.name);
        x += 85;
    }
    RECT focus{10, 62, 500, 76};
    DrawFocusRect(hdc, &focus);
}

// A checked pattern, and a picture (a green square on the key colour) drawn
// over it with the key colour left out.
void PaintTransparentPicture(HDC hdc) {
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 8; ++x) {
            RECT cell{10 + x * 12, 84 + y * 12, 22 + x * 12, 96 + y * 12};
            FillRect(hdc, &cell,
                     GetSysColorBrush((x + y) % 2 == 0 ? COLOR_WINDOW : COLOR_HIGHLIGHT));
        }
    }
    const HDC picture = CreateCompatibleDC(hdc);
    const HBITMAP bits = CreateCompatibleBitmap(hdc, 40, 40);
    const HGDIOBJ oldBits = SelectObject(picture, bits);
    const HBRUSH key = CreateSolidBrush(kKey);
    RECT all{0, 0, 40, 40};
    FillRect(picture, &all, key);
    const HBRUSH green = CreateSolidBrush(RGB(0, 160, 0));
    const HGDIOBJ oldBrush = SelectObject(picture, green);
    const HGDIOBJ oldPen = SelectObject(picture, GetStockObject(BLACK_PEN));
    Rectangle(picture, 6, 6, 34, 34);

    const HDC mask = CreateCompatibleDC(hdc);
    const HBITMAP maskBits = CreateBitmap(40, 40, 1, 1, nullptr);
    const HGDIOBJ oldMask = SelectObject(mask, maskBits);
    SetBkColor(picture, kKey);
    BitBlt(mask, 0, 0, 40, 40, picture, 0, 0, SRCCOPY);
    SetBkColor(picture, RGB(255, 255, 255));
    SetTextColor(picture, RGB(0, 0, 0));
    SetBkColor(hdc, RGB(255, 255, 255));
    SetTextColor(hdc, RGB(0, 0, 0));
    BitBlt(picture, 0, 0, 40, 40, mask, 0, 0, 0x220326);
    BitBlt(hdc, 38, 88, 40, 40, mask, 0, 0, 0x8800C6);
    BitBlt(hdc, 38, 88, 40, 40, picture, 0, 0, 0xEE0086);

    SelectObject(mask, oldMask);
    DeleteObject(maskBits);
    DeleteDC(mask);
    SelectObject(picture, oldBrush);
    SelectObject(picture, oldPen);
    SelectObject(picture, oldBits);
    DeleteObject(green);
    DeleteObject(key);
    DeleteObject(bits);
    DeleteDC(picture);
}

void PaintTexts(HDC hdc) {
    SetBkMode(hdc, TRANSPARENT);
    int y = 84;
    for (const Sample& sample : kSamples) {
        const HFONT font = MakeFont(sample);
        const HGDIOBJ previous = SelectObject(hdc, font);
        TextOutA(hdc, 120, y, sample.text, static_cast<int>(std::strlen(sample.text)));
        SIZE size;
        GetTextExtentPoint32A(hdc, sample.text, static_cast<int>(std::strlen(sample.text)), &size);
        y += size.cy + 4;
        SelectObject(hdc, previous);
        DeleteObject(font);
    }
    RECT prefixed{120, y, 420, y + 16};
    DrawTextA(hdc, "DrawText with a &prefix, centred", -1, &prefixed, DT_CENTER | DT_SINGLELINE);
}

LRESULT ZV_CALLBACK DrawingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    PAINTSTRUCT paint;
    const HDC hdc = BeginPaint(hwnd, &paint);
    PaintEdges(hdc);
    PaintTransparentPicture(hdc);
    PaintTexts(hdc);
    EndPaint(hwnd, &paint);
    return 0;
}

void LogWidths(SceneLog& log) {
    const HDC hdc = CreateCompatibleDC(0);
    for (const Sample& sample : kSamples) {
        const HFONT font = MakeFont(sample);
        const HGDIOBJ previous = SelectObject(hdc, font);
        SIZE size;
        GetTextExtentPoint32A(hdc, sample.text, static_cast<int>(std::strlen(sample.text)), &size);
        log.Value(std::wstring(sample.text, sample.text + std::strlen(sample.text)),
                  std::to_wstring(size.cx) + L" x " + std::to_wstring(size.cy) + L" pixels");
        SelectObject(hdc, previous);
        DeleteObject(font);
    }
    DeleteDC(hdc);
}

}  // namespace

void RunDrawingScene(SceneLog& log) {
    zv::driver::ResetWindowSystem();
    WNDCLASSA windowClass;
    windowClass.lpfnWndProc = DrawingProc;
    windowClass.lpszClassName = kDemoClass;
    windowClass.hbrBackground = COLOR_BTNFACE + 1;
    RegisterClassA(&windowClass);
    const HWND window = CreateWindowExA(0, kDemoClass, "Drawing", WS_CAPTION | WS_THICKFRAME, 40,
                                        40, 540, 280, 0, 0, 0, nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);

    log.Line(L"Text widths (GetTextExtentPoint32A):");
    LogWidths(log);

    const auto path = log.Folder() / "drawing.png";
    const auto start = std::chrono::steady_clock::now();
    const bool written = zv::driver::SnapshotWindow(window, path.string());
    const auto took = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    log.Value(L"Snapshot", written ? L"drawing.png written" : L"drawing.png could not be written");
    log.Value(L"Snapshot time", std::to_wstring(took.count()) + L" microseconds");
    DestroyWindow(window);
    UnregisterClassA(kDemoClass, 0);
}

}  // namespace zvdemo
