// The state of every control of the main window as text, by control name: enough
// to tell whether an operation changed anything, and what.
#pragma once

#include <map>
#include <string>

#include "settings/form1.h"

namespace brisko::test {

inline std::string stateOf(const Control& control) {
    std::string s = std::string(control.enabled() ? "enabled" : "disabled") +
                    (control.visible() ? "" : " hidden");
    if (auto* box = dynamic_cast<const CheckBox*>(&control))
        s += box->checked() ? " checked" : " unchecked";
    if (auto* radio = dynamic_cast<const RadioButton*>(&control))
        s += radio->checked() ? " checked" : " unchecked";
    if (auto* slider = dynamic_cast<const Slider*>(&control))
        s += " at " + std::to_string(slider->position());
    if (auto* field = dynamic_cast<const TextField*>(&control)) s += " '" + field->text() + "'";
    if (auto* label = dynamic_cast<const Label*>(&control)) s += " '" + label->caption() + "'";
    if (auto* picture = dynamic_cast<const Picture*>(&control)) s += " " + picture->image();
    if (auto* tree = dynamic_cast<const TreeView*>(&control))
        s += " node " + std::to_string(tree->selected());
    if (auto* stack = dynamic_cast<const PageStack*>(&control))
        s += " front " + (stack->front() ? stack->front()->name() : std::string("none"));
    if (auto* combo = dynamic_cast<const ComboBox*>(&control)) {
        s += " #" + std::to_string(combo->itemIndex()) + " of";
        for (const std::string& item : combo->items()) s += " [" + item + "]";
    }
    return s;
}

inline std::map<std::string, std::string> snapshot(const TForm1& form) {
    std::map<std::string, std::string> states;
    for (const Control* control : form.controls()) states[control->name()] = stateOf(*control);
    return states;
}

// The controls whose state differs between two snapshots.
inline std::map<std::string, std::string> changes(const std::map<std::string, std::string>& before,
                                                  const std::map<std::string, std::string>& after) {
    std::map<std::string, std::string> changed;
    for (const auto& [name, state] : after)
        if (before.at(name) != state) changed[name] = before.at(name) + "  ->  " + state;
    return changed;
}

}  // namespace brisko::test
