#pragma once

#include <QIcon>
#include <QPixmap>
#include <string>

namespace qtview {

// The program's pictures: "icon" (from the icon's one drawing,
// cn.zhongyue.ZhongYue.svg, at 128 x 128), and drawn by code "splash"
// (151 x 205) and "game" (352 x 288). An unknown name gives an empty picture.
QPixmap artwork(const std::string& name);

// The window icon of the given picture: the icon's drawing at every size a
// desktop asks for.
QIcon windowIcon(const std::string& name);

// The icon's drawing rendered square, `size` pixels wide.
QPixmap iconAt(int size);

}  // namespace qtview
