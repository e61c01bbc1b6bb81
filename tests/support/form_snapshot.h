// The state of every control of the main window as text, by control name: enough
// to tell whether an operation changed anything, and what.
#pragma once

#include <map>
#include <string>

#include "settings/form1.h"

namespace brisko::test {

// With `repaints`, a picture's state counts the times it was painted.
inline std::string stateOf(const Control& control, bool repaints = true) {
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
    if (auto* picture = dynamic_cast<const Picture*>(&control)) {
        s += " " + picture->image();
        if (repaints) s += " painted " + std::to_string(picture->repaints());
    }
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

using States = std::map<std::string, std::string>;  // control name -> state

inline States snapshot(const TForm1& form, bool repaints = true) {
    States states;
    for (const Control* control : form.controls())
        states[control->name()] = stateOf(*control, repaints);
    return states;
}

// The controls whose state differs between two snapshots.
inline States changes(const States& before, const States& after) {
    States changed;
    for (const auto& [name, state] : after)
        if (before.at(name) != state) changed[name] = before.at(name) + "  ->  " + state;
    return changed;
}

}  // namespace brisko::test
