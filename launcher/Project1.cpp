// Project1: the launcher's entry. It brings up the application, creates the
// launcher window from its definition (which writes the setup program into
// the temporary folder) and runs until the window is closed.
#include "Unit1.h"

#include "vclwin/Application.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        vclwin::TApplication& application = vclwin::Application();
        application.Initialize();
        application.SetTitle("Installation");
        RegisterLauncherClasses(application.Classes());
        if (!application.CreateForm<TForm1>("TFORM1", Form1)) return 1;
        return application.Run();
    } catch (...) {
        // Nothing may escape the entry; an error this late has no one to tell.
        return 1;
    }
}
