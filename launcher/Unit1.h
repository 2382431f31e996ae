// Unit1: the launcher window. Its components and their settings come from
// the form definition "TFORM1" (Unit1.dfm.txt); the fields below are bound
// to them by name once the definition has been read.
#pragma once

#include "controls/BitBtn.h"
#include "controls/Forms.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/acURLLabel.h"
#include "storage/acFileStorage.h"
#include "vclwin/acSystemInfo.h"

#include <string>

// The setup program's file name; the storage stores it under the same name.
extern std::string SetupFileName;

class TForm1 : public vcl::TForm {
public:
    explicit TForm1(vcl::TComponent* owner) : vcl::TForm(owner) {}

    static const vcl::ClassInfo& StaticClassInfo();
    const vcl::ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    ac::TacFileStorage* acFileStorage1 = nullptr;
    vcl::TImage* Image2 = nullptr;
    vcl::TLabel* Label2 = nullptr;
    vcl::TLabel* Label5 = nullptr;
    vcl::TLabel* Label6 = nullptr;
    vcl::TBitBtn* BitBtn1 = nullptr;
    ac::TacSystemInfo* acSystemInfo1 = nullptr;
    vcl::TacURLLabel* acURLLabel1 = nullptr;
    vcl::TLabel* Label1 = nullptr;
    vcl::TImage* Image1 = nullptr;

    void Image2Click(vcl::TComponent* sender);
    void BitBtn1Click(vcl::TComponent* sender);

    vcl::TNotifyEvent FindMethod(const std::string& name) override;
    void Loaded() override;
};

extern TForm1* Form1;

// Every class the launcher's definition may name.
void RegisterLauncherClasses(vcl::ClassRegistry& registry);
