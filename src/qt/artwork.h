#pragma once

#include <QPixmap>
#include <string>

namespace qtview {

// The program's pictures, drawn by code: "icon" (32 x 32), "splash"
// (151 x 205) and "game" (352 x 288). An unknown name gives an empty picture.
QPixmap artwork(const std::string& name);

}  // namespace qtview
