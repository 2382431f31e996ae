#include "Application.h"

#include "ErrorBoxes.h"
#include "ResourceDefinition.h"
#include "WinText.h"

#include "vcl/FormBinary.h"
#include "vcl/FormLoader.h"

#include <objbase.h>

#include <new>

namespace vclwin {
namespace {

std::string ModuleName() {
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string full(path, length < MAX_PATH ? length : 0);
    const size_t slash = full.find_last_of("\\/");
    return slash == std::string::npos ? full : full.substr(slash + 1);
}

int32_t DisplayPixelsPerInch() {
    WindowDC screen(nullptr);
    const int ppi = ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return ppi > 0 ? ppi : 96;
}

vcl::StartupShow ProcessShowCommand() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ::GetStartupInfoW(&startup);
    return vcl::StartupShowFor((startup.dwFlags & STARTF_USESHOWWINDOW) != 0, startup.wShowWindow);
}

const wchar_t ApplicationWindowClass[] = L"TApplication";

HWND CreateApplicationWindow(const std::string& title) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    if (!::GetClassInfoExW(instance, ApplicationWindowClass, &cls)) {
        cls.lpfnWndProc = ::DefWindowProcW;
        cls.hInstance = instance;
        cls.hIcon = ::LoadIconW(instance, L"MAINICON");
        cls.lpszClassName = ApplicationWindowClass;
        ::RegisterClassExW(&cls);
    }
    const std::wstring caption = WideFromCp1252(title);
    // Never shown: it owns the shell calls and carries the title.
    return ::CreateWindowExW(WS_EX_TOOLWINDOW, ApplicationWindowClass, caption.c_str(),
                             WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0,
                             nullptr, nullptr, instance, nullptr);
}

} // namespace

ComApartment::ComApartment() {
    initialized_ = SUCCEEDED(::CoInitialize(nullptr));
}

ComApartment::~ComApartment() {
    if (initialized_) ::CoUninitialize();
}

TApplication& Application() {
    static TApplication application;
    return application;
}

TApplication::TApplication() = default;

TApplication::~TApplication() {
    DestroyMainForm();
}

void TApplication::Initialize() {
    if (!com_) com_ = std::make_unique<ComApartment>();
    if (!window_.Get()) window_.Reset(CreateApplicationWindow(title_));
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    if (window_.Get()) ::SetWindowTextW(window_.Get(), WideFromCp1252(title).c_str());
}

bool TApplication::LoadMainForm(const char* resourceName, std::unique_ptr<vcl::TForm> form) {
    vcl::Error error;
    std::string exceptionClass = "EReadError";
    try {
        vcl::ByteView definition;
        vcl::FormObject tree;
        if (!(error = FindDefinitionResource(resourceName, definition)) &&
            !(error = vcl::ReadFormDefinition(definition, tree)) &&
            !(error = form->CheckHandlerNames(tree, classes_)) &&
            !(error = vcl::ReadComponentTree(tree, *form, classes_))) {
            form->FitToDisplay(DisplayPixelsPerInch(), GdiTextMeasurer());
            std::string windowError;
            mainWindow_ = FormWindow::Create(*form, windowError);
            if (!mainWindow_) {
                exceptionClass = "EOSError";
                error = vcl::Error(windowError);
            }
        }
    } catch (const std::bad_alloc&) {
        exceptionClass = "EOutOfMemory";
        error = vcl::Error("Zu wenig Arbeitsspeicher");
    } catch (const std::exception& exception) {
        exceptionClass = "Exception";
        error = vcl::Error(exception.what());
    }
    if (error) {
        mainWindow_.reset();
        form.reset(); // its components go with it, a storage's written files too
        ShowCreationErrorBox(CreationErrorText(
            exceptionClass, ModuleName(), reinterpret_cast<const void*>(&FindDefinitionResource),
            error.Message()));
        return false;
    }
    mainWindow_->OnHandlerError = [this](const std::string& message) { ShowHandlerError(message); };
    mainWindow_->OnDestroyed = [] { ::PostQuitMessage(0); };
    mainForm_ = std::move(form);
    return true;
}

int TApplication::Run() {
    if (!mainWindow_) return 0;
    mainWindow_->Show(ProcessShowCommand());
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (mainWindow_ && mainWindow_->PreTranslate(message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    DestroyMainForm();
    return 0;
}

void TApplication::ShowHandlerError(const std::string& message) const {
    ShowHandlerErrorBox(title_, message);
}

void TApplication::DestroyMainForm() {
    // The window goes first; then the form, whose components are destroyed
    // last first (a storage deletes the files it wrote).
    mainWindow_.reset();
    mainForm_.reset();
}

} // namespace vclwin
