// One assignment of a preset or of the defaults: a value of some kind given to one
// control of the main window. Assignments set controls as the user could, so the
// reactions of the controls they change run nested, in the order of the rows.
#pragma once

#include <string_view>

#include "platform/controls.h"
#include "platform/window.h"

namespace brisko {

class TForm1;

struct Value {
    enum class Kind {
        Skip,              // the control is not set
        Checked,           // check box or radio button on (1) or off (0)
        ButtonOn,          // the radio button `button` on, its partner off
        Position,          // drop-down list: select position n
        Item,              // drop-down list: select the item of the text
        FromEnd,           // drop-down list: select the n-th item from the end (1 = last)
        SliderPosition,    // slider: position n, clamped to its range
        PerAccelerator,    // drop-down list: position looked up by accelerator, column n
        RailStyle,         // RailGunStyleCombo position n, then that railgun style applied
        RailStyleRepaint,  // as RailStyle, then the railgun picture repainted
        AppendAndSelect,   // drop-down list: append the item text, then select position n
        Caption,           // label: caption text
    };
    Kind kind = Kind::Skip;
    int n = 0;
    std::string_view text = {};
    RadioButton TForm1::*button = nullptr;
};

// The cells of the preset and defaults tables, lower case like the constants on,
// off and none: the tables' vocabulary rather than operations.
namespace values {
inline constexpr Value none{Value::Kind::Skip};
inline constexpr Value on{Value::Kind::Checked, 1};
inline constexpr Value off{Value::Kind::Checked, 0};
constexpr Value buttonOn(RadioButton TForm1::*button) {
    return {Value::Kind::ButtonOn, 0, {}, button};
}
constexpr Value pos(int n) {
    return {Value::Kind::Position, n};
}
constexpr Value item(std::string_view text) {
    return {Value::Kind::Item, 0, text};
}
constexpr Value fromEnd(int n) {
    return {Value::Kind::FromEnd, n};
}
constexpr Value slider(int n) {
    return {Value::Kind::SliderPosition, n};
}
constexpr Value perAccelerator(int column) {
    return {Value::Kind::PerAccelerator, column};
}
constexpr Value railStyle(int n) {
    return {Value::Kind::RailStyle, n};
}
constexpr Value railStyleRepainted(int n) {
    return {Value::Kind::RailStyleRepaint, n};
}
constexpr Value appendAndSelect(std::string_view item, int n) {
    return {Value::Kind::AppendAndSelect, n, item};
}
constexpr Value caption(std::string_view text) {
    return {Value::Kind::Caption, 0, text};
}
}  // namespace values

// Gives the value to the control. A PerAccelerator value must be resolved to a
// Position by the caller first. Throws std::logic_error when the control is not of
// the value's kind.
void Assign(TForm1& form, Member<TForm1> control, const Value& value);

}  // namespace brisko
