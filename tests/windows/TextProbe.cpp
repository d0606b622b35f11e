// A plain Win32 program, no Qt: the texts of the main window in Tahoma at the pixel sizes a
// 150 % display gives them (11 pixels at 96 dpi: 16.5 at 144), drawn by the system itself, one
// row per way of drawing:
//   GDI at 16 and at 17 pixels, in each quality (default, antialiased, not antialiased,
//   ClearType),
//   GDI at 11 pixels drawn through a 1.5 world transform (how a program scaled to 150 % may draw
//   an 11-pixel font), and DirectWrite at 16.5 pixels.
// With the argument "boxes" it prints instead, for the glyphs that lose their stems, the box
// GetGlyphOutline gives for the 11-pixel font through a 1.5 transform and the columns the same
// glyph's ink covers when drawn through that transform: a program that sizes and places its
// glyph images by the first draws the second.
// What it shows tells whether a text drawn wrong by the program is the program's doing or the
// system's (under Wine, Wine's own Tahoma and rasteriser). The window is named "text probe";
// its rows are 24 pixels apart from y = 4, text from x = 4, in the order above.
#include <windows.h>

#include <dwrite.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <initializer_list>
#include <string>

namespace {

const wchar_t kText[] = L"bar kPa K mbar inch Hg \u00B0C \u00B0F Pression Temp\u00E9rature";

// Draws the glyph runs of a layout into a GDI-compatible bitmap target.
class Renderer : public IDWriteTextRenderer {
public:
    explicit Renderer(IDWriteBitmapRenderTarget* target, IDWriteRenderingParams* params)
        : target_(target), params_(params) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
        *object = this;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE IsPixelSnappingDisabled(void*, BOOL* disabled) override {
        *disabled = FALSE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetCurrentTransform(void*, DWRITE_MATRIX* matrix) override {
        *matrix = DWRITE_MATRIX{1, 0, 0, 1, 0, 0};
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPixelsPerDip(void*, FLOAT* pixels) override {
        *pixels = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DrawGlyphRun(void*, FLOAT x, FLOAT y, DWRITE_MEASURING_MODE mode,
                                           const DWRITE_GLYPH_RUN* run,
                                           const DWRITE_GLYPH_RUN_DESCRIPTION*,
                                           IUnknown*) override {
        return target_->DrawGlyphRun(x, y, mode, run, params_, RGB(0, 0, 0), nullptr);
    }
    HRESULT STDMETHODCALLTYPE DrawUnderline(void*, FLOAT, FLOAT, const DWRITE_UNDERLINE*,
                                            IUnknown*) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DrawStrikethrough(void*, FLOAT, FLOAT, const DWRITE_STRIKETHROUGH*,
                                                IUnknown*) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DrawInlineObject(void*, FLOAT, FLOAT, IDWriteInlineObject*, BOOL,
                                               BOOL, IUnknown*) override {
        return S_OK;
    }

private:
    IDWriteBitmapRenderTarget* target_;
    IDWriteRenderingParams* params_;
};

void drawGdi(HDC dc, int y, int pixels, DWORD quality) {
    const HFONT font =
        CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, quality, DEFAULT_PITCH, L"Tahoma");
    const HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 4, y, kText, static_cast<int>(std::wcslen(kText)));
    SelectObject(dc, old);
    DeleteObject(font);
}

HFONT tahoma(int pixels, DWORD quality = ANTIALIASED_QUALITY) {
    return CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, quality, DEFAULT_PITCH, L"Tahoma");
}

void drawTransformed(HDC dc, int y) {
    const HFONT font = tahoma(11);
    const HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetGraphicsMode(dc, GM_ADVANCED);
    const XFORM scale{1.5f, 0, 0, 1.5f, 4, static_cast<FLOAT>(y)};
    SetWorldTransform(dc, &scale);
    TextOutW(dc, 0, 0, kText, static_cast<int>(std::wcslen(kText)));
    ModifyWorldTransform(dc, nullptr, MWT_IDENTITY);
    SelectObject(dc, old);
    DeleteObject(font);
}

// For each glyph of the 11-pixel font drawn through a 1.5 transform: the box GetGlyphOutline
// reports with the transform as a matrix (MAT2), the box it reports with an identity matrix
// while the DC carries the transform as its world transform (what Qt's GDI engine asks, relying
// on the world transform being applied, as Windows does), and the columns and rows the glyph's
// ink covers when drawn through the transform; all from the glyph's origin, y upwards.
int printBoxes() {
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 64, -64, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    SelectObject(dc, bitmap);
    const HFONT font = tahoma(11);
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    SetTextAlign(dc, TA_BASELINE | TA_LEFT);
    const MAT2 scaled{{32768, 1}, {0, 0}, {0, 0}, {32768, 1}}; // 1.5
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    const XFORM transform{1.5f, 0, 0, 1.5f, 20, 40}; // the origin at device (20, 40)
    const auto box = [](const GLYPHMETRICS& m) {
        char text[64];
        std::snprintf(text, sizeof text, "x %ld..%ld y %ld..%ld", m.gmptGlyphOrigin.x,
                      m.gmptGlyphOrigin.x + static_cast<long>(m.gmBlackBoxX) - 1,
                      m.gmptGlyphOrigin.y - static_cast<long>(m.gmBlackBoxY) + 1,
                      m.gmptGlyphOrigin.y);
        return std::string(text);
    };
    for (const wchar_t c : std::wstring(L"bkKPpmrnhlHo")) {
        GLYPHMETRICS byMatrix{}, byWorld{};
        SetGraphicsMode(dc, GM_COMPATIBLE);
        GetGlyphOutlineW(dc, c, GGO_METRICS, &byMatrix, 0, nullptr, &scaled);
        SetGraphicsMode(dc, GM_ADVANCED);
        SetWorldTransform(dc, &transform);
        GetGlyphOutlineW(dc, c, GGO_METRICS, &byWorld, 0, nullptr, &identity);
        std::memset(bits, 0, 64 * 64 * 4);
        TextOutW(dc, 0, 0, &c, 1);
        ModifyWorldTransform(dc, nullptr, MWT_IDENTITY);
        GdiFlush();
        int left = 64, right = -1, top = 64, bottom = -1;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                if ((static_cast<const DWORD*>(bits)[y * 64 + x] & 0xFFFFFF) != 0) {
                    left = x < left ? x : left;
                    right = x > right ? x : right;
                    top = y < top ? y : top;
                    bottom = y > bottom ? y : bottom;
                }
            }
        }
        std::printf("%lc  matrix: %s  world: %s  ink: x %d..%d y %d..%d\n", c,
                    box(byMatrix).c_str(), box(byWorld).c_str(), left - 20, right - 20, 40 - bottom,
                    40 - top);
    }
    DeleteObject(font);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return 0;
}

void drawDirectWrite(HDC dc, int y, float pixels) {
    IDWriteFactory* factory = nullptr;
    if (FAILED(DWriteCreateFactory(DWRITE_FACTORY_TYPE_SHARED, __uuidof(IDWriteFactory),
                                   reinterpret_cast<IUnknown**>(&factory))))
        return;
    IDWriteGdiInterop* interop = nullptr;
    IDWriteBitmapRenderTarget* target = nullptr;
    IDWriteRenderingParams* params = nullptr;
    IDWriteTextFormat* format = nullptr;
    IDWriteTextLayout* layout = nullptr;
    const int width = 700, height = 24;
    if (SUCCEEDED(factory->GetGdiInterop(&interop)) &&
        SUCCEEDED(interop->CreateBitmapRenderTarget(dc, width, height, &target)) &&
        SUCCEEDED(factory->CreateRenderingParams(&params)) &&
        SUCCEEDED(factory->CreateTextFormat(L"Tahoma", nullptr, DWRITE_FONT_WEIGHT_NORMAL,
                                            DWRITE_FONT_STYLE_NORMAL, DWRITE_FONT_STRETCH_NORMAL,
                                            pixels, L"fr-fr", &format)) &&
        SUCCEEDED(factory->CreateTextLayout(kText, static_cast<UINT32>(std::wcslen(kText)), format,
                                            width, height, &layout))) {
        const HDC memory = target->GetMemoryDC();
        const RECT all{0, 0, width, height};
        FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        Renderer renderer(target, params);
        layout->Draw(nullptr, &renderer, 4, 0);
        BitBlt(dc, 0, y, width, height, memory, 0, 0, SRCCOPY);
    }
    for (IUnknown* object : {static_cast<IUnknown*>(layout), static_cast<IUnknown*>(format),
                             static_cast<IUnknown*>(params), static_cast<IUnknown*>(target),
                             static_cast<IUnknown*>(interop), static_cast<IUnknown*>(factory)}) {
        if (object != nullptr)
            object->Release();
    }
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        int y = 4;
        for (const int pixels : {16, 17}) {
            for (const DWORD quality : {DEFAULT_QUALITY, ANTIALIASED_QUALITY,
                                        NONANTIALIASED_QUALITY, CLEARTYPE_QUALITY}) {
                drawGdi(dc, y, pixels, quality);
                y += 24;
            }
        }
        drawTransformed(dc, y);
        y += 24;
        drawDirectWrite(dc, y, 16.5f);
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
    SetProcessDPIAware(); // device pixels: the sizes above are what the screen shows
    if (std::wcscmp(arguments, L"boxes") == 0)
        return printBoxes();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"TextProbe";
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowW(L"TextProbe", L"text probe", WS_OVERLAPPEDWINDOW, 0, 0, 760,
                                      330, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
