#include "settings/assignments.h"

#include <stdexcept>
#include <string>

#include "settings/form1.h"

namespace brisko {

namespace {

template <typename T>
T& control(TForm1& form, std::string_view name) {
    if (auto* found = dynamic_cast<T*>(form.find(std::string(name)))) return *found;
    throw std::logic_error("No control " + std::string(name) + " of the assigned kind");
}

void setChecked(TForm1& form, std::string_view name, bool on) {
    Control* found = form.find(std::string(name));
    if (auto* box = dynamic_cast<CheckBox*>(found))
        box->setChecked(on);
    else if (auto* radio = dynamic_cast<RadioButton*>(found))
        radio->setChecked(on);
    else
        throw std::logic_error("No check box or radio button " + std::string(name));
}

}  // namespace

void assign(TForm1& form, std::string_view name, const Value& value) {
    using Kind = Value::Kind;
    switch (value.kind) {
        case Kind::Skip:
            return;
        case Kind::Checked:
            setChecked(form, name, value.n != 0);
            return;
        case Kind::ButtonOn:
            control<RadioButton>(form, value.text).setChecked(true);
            return;
        case Kind::Position:
            control<ComboBox>(form, name).setItemIndex(value.n);
            return;
        case Kind::FromEnd: {
            auto& list = control<ComboBox>(form, name);
            list.setItemIndex(list.count() - value.n);
            return;
        }
        case Kind::SliderPosition:
            control<Slider>(form, name).setPosition(value.n);
            return;
        case Kind::PerAccelerator:
            throw std::logic_error("Unresolved per-accelerator value for " + std::string(name));
        case Kind::RailStyle:
        case Kind::RailStyleRepaint:
            control<ComboBox>(form, name).setItemIndex(value.n);
            form.ApplyRailgunStyle(value.n);
            if (value.kind == Kind::RailStyleRepaint) form.RailPictures.repaint();
            return;
        case Kind::AppendAndSelect: {
            auto& list = control<ComboBox>(form, name);
            list.addItem(std::string(value.text));
            list.setItemIndex(value.n);
            return;
        }
        case Kind::Caption:
            control<Label>(form, name).setCaption(std::string(value.text));
            return;
    }
}

}  // namespace brisko
