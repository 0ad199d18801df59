#include "app/app.h"

App::App(tk::Program& program) : splashForm(program), mainForm(program), gameForm(program) {}
