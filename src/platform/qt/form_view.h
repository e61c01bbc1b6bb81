// Builds real widgets for a window's controls from a layout table: one row a
// control, with its parent (the window, a page, a group or a panel) and its
// rectangle in the parent's coordinates.
#pragma once

#include <functional>
#include <map>
#include <span>
#include <string>

#include "platform/controls.h"
#include "platform/qt/binding.h"

namespace brisko::qt {

enum LayoutFlag : unsigned {
    kNone = 0,
    kWordWrap = 1,
    kBold = 2,
    kNoTicks = 4,
    kSunken = 8,  // a sunken frame around a picture
};

struct LayoutRow {
    const char* control;
    const char* parent;  // "" for the window's client area
    int x, y, w, h;
    unsigned flags = kNone;
};

// Makes the widgets of `rows` in order (parents before children) for the controls
// that `find` returns, bound through `binder`. Returns the widget of each control.
std::map<std::string, QWidget*> buildLayout(
    Binder& binder, QWidget* client, std::span<const LayoutRow> rows,
    const std::function<Control*(const std::string&)>& find);

class TForm1View;

}  // namespace brisko::qt
