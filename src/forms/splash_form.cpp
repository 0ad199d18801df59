#include "forms/splash_form.h"

#include "forms/identity.h"

SplashForm::SplashForm(tk::Program& program)
    : tk::Form(program, "frmSplash",
               {.width = 7110,
                .height = 3870,
                .back = look::kBlack,
                .icon = "icon",
                .inTaskBar = false,
                .description = identity::kName}) {}
