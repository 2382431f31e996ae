// The application object: COM for the main thread, the title, the main
// form created from its definition, the message loop and the two error
// boxes (a handler's error, captioned with the title; an error while the
// main form is created, "Anwendungsfehler", after which the program ends
// with exit code 1).
#pragma once

#include "FormWindow.h"
#include "GdiHandles.h"

#include "controls/Forms.h"
#include "vcl/ByteView.h"
#include "vcl/ClassRegistry.h"

#include <memory>
#include <string>

namespace vclwin {

class TApplication {
public:
    TApplication();
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // COM as a single-threaded apartment, and the hidden application window.
    void Initialize();
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    // The hidden top-level window of the application (owner of shell calls).
    HWND Handle() const { return window_.Get(); }

    // Creates the main form of class F from the definition resource
    // `resourceName`; `reference` is set before the form is read and cleared
    // again if reading fails. Returns false after a failure, which has then
    // been shown.
    template <class F> bool CreateForm(const char* resourceName, F*& reference) {
        auto form = std::make_unique<F>(nullptr);
        reference = form.get();
        if (!LoadMainForm(resourceName, std::move(form))) {
            reference = nullptr;
            return false;
        }
        return true;
    }

    // Shows the main form as the process was asked to start and runs the
    // message loop until it closes; then destroys the form. Returns the
    // exit code.
    int Run();

    // Shows a handler's error; the loop goes on.
    void ShowHandlerError(const std::string& message) const;

    // Registers the classes a definition may name (the launcher adds its own).
    vcl::ClassRegistry& Classes() { return classes_; }

private:
    bool LoadMainForm(const char* resourceName, std::unique_ptr<vcl::TForm> form);
    void DestroyMainForm();

    std::unique_ptr<ComApartment> com_;
    UniqueWindow window_;
    std::string title_;
    vcl::ClassRegistry classes_;
    std::unique_ptr<vcl::TForm> mainForm_;
    std::unique_ptr<FormWindow> mainWindow_;
};

// The application object of the program.
TApplication& Application();

} // namespace vclwin
