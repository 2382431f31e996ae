#include "Unit1.h"

#include "launcher/SetupProgram.h"
#include "launcher/WebPage.h"

#include "controls/ControlClasses.h"
#include "storage/StorageClasses.h"
#include "vclwin/Application.h"

std::string SetupFileName = "qv_quietlocksetup_full.exe";
TForm1* Form1 = nullptr;

namespace {

const char MakerPage[] = "https://www.ardenvale.example/";

template <class T> void Bind(vcl::TForm& form, const char* name, T*& field) {
    field = dynamic_cast<T*>(form.FindComponent(name));
}

} // namespace

const vcl::ClassInfo& TForm1::StaticClassInfo() {
    static const vcl::ClassInfo info("TForm1", &vcl::TForm::StaticClassInfo(),
                                     vcl::CreateComponentOf<TForm1>, [](vcl::PropertyList&) {});
    return info;
}

vcl::TNotifyEvent TForm1::FindMethod(const std::string& name) {
    if (vcl::SameName(name, "Image2Click"))
        return [this](vcl::TComponent* sender) { Image2Click(sender); };
    if (vcl::SameName(name, "BitBtn1Click"))
        return [this](vcl::TComponent* sender) { BitBtn1Click(sender); };
    return {};
}

void TForm1::Loaded() {
    Bind(*this, "acFileStorage1", acFileStorage1);
    Bind(*this, "Image2", Image2);
    Bind(*this, "Label2", Label2);
    Bind(*this, "Label5", Label5);
    Bind(*this, "Label6", Label6);
    Bind(*this, "BitBtn1", BitBtn1);
    Bind(*this, "acSystemInfo1", acSystemInfo1);
    Bind(*this, "acURLLabel1", acURLLabel1);
    Bind(*this, "Label1", Label1);
    Bind(*this, "Image1", Image1);
    vcl::TForm::Loaded();
}

void TForm1::Image2Click(vcl::TComponent*) {
    launcher::OpenWebPage(MakerPage);
}

void TForm1::BitBtn1Click(vcl::TComponent*) {
    const std::string tempFolder = acSystemInfo1 ? acSystemInfo1->DirTemp() : std::string();
    launcher::StartSetupProgram(vclwin::Application().Handle(), tempFolder, SetupFileName);
}

void RegisterLauncherClasses(vcl::ClassRegistry& registry) {
    vcl::RegisterControlClasses(registry);
    ac::RegisterStorageClasses(registry);
    registry.Register(ac::TacSystemInfo::StaticClassInfo());
}
