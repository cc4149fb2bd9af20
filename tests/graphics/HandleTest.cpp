#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/ComponentCaret.h"
#include "graphics/WQCursor.h"
#include "graphics/WQHandles.h"
#include "graphics/WQIcon.h"

using namespace WQSDK;

namespace {

// A 16 x 16 shape with 1-bit masks (two bytes a row).
const int SHAPE = 16;
const std::vector<unsigned char> AND_MASK(SHAPE * 2, 0x00);
const std::vector<unsigned char> XOR_MASK(SHAPE * 2, 0xF0);

class CustomIcon : public WQIcon {
public:
    CustomIcon() { setType(ICON_CUSTOM); }
    int getWidth() const override { return SHAPE; }
    int getHeight() const override { return SHAPE; }
    int getBitsPerPixel() const override { return 1; }
    const unsigned char* getAndMask() const override { return AND_MASK.data(); }
    const unsigned char* getXorMask() const override { return XOR_MASK.data(); }
};

class CustomCursor : public WQCursor {
public:
    int getWidth() const override { return SHAPE; }
    int getHeight() const override { return SHAPE; }
    int getHotSpotX() const override { return 3; }
    int getHotSpotY() const override { return 4; }
    const unsigned char* getAndMask() const override { return AND_MASK.data(); }
    const unsigned char* getXorMask() const override { return XOR_MASK.data(); }
};

struct IconSize {
    int width, height;
    int hotX, hotY;
};

IconSize sizeOf(HICON icon)
{
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info))
        return {-1, -1, -1, -1};
    BITMAP mask = {};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    const bool monochrome = info.hbmColor == nullptr;
    if (info.hbmColor != nullptr)
        DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    // A monochrome icon's mask holds the AND and the XOR half.
    return {mask.bmWidth, monochrome ? mask.bmHeight / 2 : mask.bmHeight, static_cast<int>(info.xHotspot),
        static_cast<int>(info.yHotspot)};
}

// A 16 x 16, 32-bit icon file in the temporary folder.
std::string writeIconFile()
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "wq-graphics-test.ico";
    const DWORD pixelBytes = 16 * 16 * 4;
    const DWORD maskBytes = 16 * 4;
    const DWORD imageBytes = sizeof(BITMAPINFOHEADER) + pixelBytes + maskBytes;
    std::vector<unsigned char> file;
    auto put16 = [&](unsigned v) { file.push_back(v & 0xFF); file.push_back((v >> 8) & 0xFF); };
    auto put32 = [&](unsigned long v) { put16(v & 0xFFFF); put16((v >> 16) & 0xFFFF); };
    put16(0);
    put16(1);
    put16(1);
    file.push_back(16);
    file.push_back(16);
    file.push_back(0);
    file.push_back(0);
    put16(1);
    put16(32);
    put32(imageBytes);
    put32(22);
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = 16;
    header.biHeight = 32;
    header.biPlanes = 1;
    header.biBitCount = 32;
    const unsigned char* raw = reinterpret_cast<const unsigned char*>(&header);
    file.insert(file.end(), raw, raw + sizeof header);
    for (DWORD i = 0; i < 16 * 16; ++i) {
        file.push_back(0x20);
        file.push_back(0x40);
        file.push_back(0x80);
        file.push_back(0xFF);
    }
    file.insert(file.end(), maskBytes, 0);
    FILE* out = std::fopen(path.c_str(), "wb");
    std::fwrite(file.data(), 1, file.size(), out);
    std::fclose(out);
    return path;
}

HWND createWindow()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "WQCaretTest";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, "WQCaretTest", "caret", WS_POPUP | WS_VISIBLE, 0, 0, 100, 40, nullptr,
        nullptr, wc.hInstance, nullptr);
    HDC client = GetDC(window);
    const RECT all = {0, 0, 100, 40};
    FillRect(client, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(window, client);
    return window;
}

// A shown caret inverts its rectangle on the window (no message is pumped
// here, so it does not blink back).
COLORREF clientPixel(HWND window, int x, int y)
{
    HDC client = GetDC(window);
    const COLORREF pixel = GetPixel(client, x, y);
    ReleaseDC(window, client);
    return pixel;
}

// The caret's window and rectangle as the system reports them.
struct CaretState {
    HWND window;
    RECT rect;
};

CaretState caretState()
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetCurrentThreadId(), &info);
    return {info.hwndCaret, info.rcCaret};
}

} // namespace

TEST(GraphicsHandles, SystemIconsAreLoadedByTheirNumbers)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (int type = ICON_APPLICATION; type <= ICON_WINLOGO; ++type) {
        WQIcon icon;
        icon.setType(type);
        EXPECT_NE(createIconHandle(instance, &icon), nullptr) << "type " << type;
    }
    // Types that name the same system icon get the same shared handle.
    const struct {
        int a, b;
    } same[] = {{ICON_ERROR, ICON_HAND}, {ICON_ASTERISK, ICON_INFORMATION}, {ICON_EXCLAMATION, ICON_WARNING}};
    for (const auto& s : same) {
        WQIcon a;
        WQIcon b;
        a.setType(s.a);
        b.setType(s.b);
        EXPECT_EQ(createIconHandle(instance, &a), createIconHandle(instance, &b)) << s.a << " and " << s.b;
        EXPECT_EQ(createIconHandle(instance, &a), LoadIconA(nullptr, a.getResourceName()));
    }
    WQIcon unknown;
    unknown.setType(11);
    EXPECT_EQ(createIconHandle(instance, &unknown), nullptr);
    EXPECT_EQ(createIconHandle(instance, nullptr), nullptr);
}

TEST(GraphicsHandles, FileAndCustomIcons)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    const std::string path = writeIconFile();
    WQIcon file;
    file.setFile(WQString(path.c_str()));
    HICON fromFile = createIconHandle(instance, &file);
    ASSERT_NE(fromFile, nullptr);
    // Loaded at 64 x 64 whatever the file holds.
    EXPECT_EQ(sizeOf(fromFile).width, 64);
    EXPECT_EQ(sizeOf(fromFile).height, 64);
    DestroyIcon(fromFile);
    DeleteFileA(path.c_str());
    EXPECT_EQ(createIconHandle(instance, &file), nullptr);

    CustomIcon custom;
    HICON made = createIconHandle(instance, &custom);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(sizeOf(made).width, SHAPE);
    EXPECT_EQ(sizeOf(made).height, SHAPE);
    DestroyIcon(made);

    // A custom type whose class describes no shape gives no icon.
    WQIcon empty;
    empty.setType(ICON_CUSTOM);
    EXPECT_EQ(createIconHandle(instance, &empty), nullptr);
}

TEST(GraphicsHandles, Cursors)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WQCursor arrow;
    arrow.setType(CURSOR_ARROW);
    EXPECT_EQ(createCursorHandle(instance, &arrow), LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
    EXPECT_NE(createCursorHandle(instance, &arrow), nullptr);
    WQCursor beam;
    beam.setType(CURSOR_IBEAM);
    EXPECT_NE(createCursorHandle(instance, &beam), nullptr);
    EXPECT_NE(createCursorHandle(instance, &beam), createCursorHandle(instance, &arrow));

    for (int type : {1, 78, 200}) {
        WQCursor none;
        none.setType(type);
        EXPECT_EQ(createCursorHandle(instance, &none), nullptr) << "type " << type;
    }
    // A new cursor is custom; without a described shape it gives none.
    WQCursor empty;
    EXPECT_EQ(createCursorHandle(instance, &empty), nullptr);
    EXPECT_EQ(createCursorHandle(instance, nullptr), nullptr);

    CustomCursor custom;
    HCURSOR made = createCursorHandle(instance, &custom);
    ASSERT_NE(made, nullptr);
    const IconSize size = sizeOf(made);
    EXPECT_EQ(size.width, SHAPE);
    EXPECT_EQ(size.hotX, 3);
    EXPECT_EQ(size.hotY, 4);
    DestroyCursor(made);
}

TEST(GraphicsCaret, NeedsAWindowToBeCreated)
{
    ComponentCaret caret;
    EXPECT_STREQ(caret.getClassName(), "WQObject.IWQCaret");
    EXPECT_EQ(caret.create(), 0);
    EXPECT_EQ(caret.show(), 0);
    EXPECT_EQ(caret.hide(), 0);
    // Not created, so a new height creates nothing.
    caret.setHeight(20);
    EXPECT_EQ(caret.getHeight(), 20);
    EXPECT_EQ(caretState().window, nullptr);
}

TEST(GraphicsCaret, CreateShowMoveAndDestroy)
{
    HWND window = createWindow();
    ComponentCaret caret;
    caret.setWindow(window);
    EXPECT_EQ(caret.create(), 1);
    CaretState state = caretState();
    EXPECT_EQ(state.window, window);
    EXPECT_EQ(state.rect.right - state.rect.left, 1);
    EXPECT_EQ(state.rect.bottom - state.rect.top, 16);
    EXPECT_EQ(clientPixel(window, 0, 15), RGB(255, 255, 255));
    EXPECT_EQ(caret.show(), 1);
    EXPECT_EQ(clientPixel(window, 0, 15), RGB(0, 0, 0));
    EXPECT_EQ(caret.setPosition(5, 6), 1);
    POINT position = {};
    GetCaretPos(&position);
    EXPECT_EQ(position.x, 5);
    EXPECT_EQ(position.y, 6);
    EXPECT_EQ(caret.hide(), 1);
    EXPECT_EQ(clientPixel(window, 5, 6), RGB(255, 255, 255));
    EXPECT_EQ(caret.destroy(), 1);
    EXPECT_EQ(caretState().window, nullptr);
    // Gone: nothing left to show.
    EXPECT_EQ(caret.show(), 0);
    DestroyWindow(window);
}

TEST(GraphicsCaret, ANewHeightRemakesACreatedCaretAtOnce)
{
    HWND window = createWindow();
    ComponentCaret caret;
    caret.setWindow(window);
    caret.setWidth(2);
    ASSERT_EQ(caret.create(), 1);
    caret.show();
    caret.setPosition(5, 6);

    // The same height: nothing is remade, the caret stays where it was.
    caret.setHeight(16);
    POINT position = {};
    GetCaretPos(&position);
    EXPECT_EQ(position.x, 5);
    EXPECT_EQ(caretState().rect.bottom - caretState().rect.top, 16);

    caret.setHeight(20);
    EXPECT_EQ(caret.getHeight(), 20);
    const CaretState state = caretState();
    EXPECT_EQ(state.window, window);
    EXPECT_EQ(state.rect.bottom - state.rect.top, 20);
    EXPECT_EQ(state.rect.right - state.rect.left, 2);
    GetCaretPos(&position);
    EXPECT_EQ(position.x, 0);
    // Shown at once, 20 pixels high.
    EXPECT_EQ(clientPixel(window, 1, 19), RGB(0, 0, 0));
    EXPECT_EQ(clientPixel(window, 1, 20), RGB(255, 255, 255));
    EXPECT_EQ(clientPixel(window, 2, 10), RGB(255, 255, 255));

    // Destroyed, a new height is only stored.
    caret.destroy();
    caret.setHeight(30);
    EXPECT_EQ(caret.getHeight(), 30);
    EXPECT_EQ(caretState().window, nullptr);
    DestroyWindow(window);
}

TEST(GraphicsCaret, BlinkTimeIsTheSystemsSetting)
{
    ComponentCaret caret;
    const int original = caret.getBlinkTime();
    EXPECT_EQ(static_cast<UINT>(original), GetCaretBlinkTime());
    EXPECT_EQ(caret.setBlinkTime(700), 1);
    EXPECT_EQ(caret.getBlinkTime(), 700);
    caret.setBlinkTime(original);
}
