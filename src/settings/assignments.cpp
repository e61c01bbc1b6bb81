#include "settings/assignments.h"

#include <stdexcept>
#include <string>

#include "settings/form1.h"

namespace brisko {

namespace {

template <typename T>
T& control(TForm1& form, Member<TForm1> member) {
    const AnyControl any = member.in(form);
    if (auto* found = std::get_if<T*>(&any)) return **found;
    throw std::logic_error("No control " + Base(any).name() + " of the assigned kind");
}

void setChecked(TForm1& form, Member<TForm1> member, bool on) {
    const AnyControl any = member.in(form);
    if (auto* box = std::get_if<CheckBox*>(&any))
        (*box)->setChecked(on);
    else if (auto* radio = std::get_if<RadioButton*>(&any))
        (*radio)->setChecked(on);
    else
        throw std::logic_error("No check box or radio button " + Base(any).name());
}

}  // namespace

void Assign(TForm1& form, Member<TForm1> member, const Value& value) {
    using Kind = Value::Kind;
    switch (value.kind) {
        case Kind::Skip:
            return;
        case Kind::Checked:
            setChecked(form, member, value.n != 0);
            return;
        case Kind::ButtonOn:
            (form.*value.button).setChecked(true);
            return;
        case Kind::Position:
            control<ComboBox>(form, member).setItemIndex(value.n);
            return;
        case Kind::Item:
            control<ComboBox>(form, member).selectItem(std::string(value.text));
            return;
        case Kind::FromEnd: {
            auto& list = control<ComboBox>(form, member);
            list.setItemIndex(list.count() - value.n);
            return;
        }
        case Kind::SliderPosition:
            control<Slider>(form, member).setPosition(value.n);
            return;
        case Kind::PerAccelerator:
            throw std::logic_error("Unresolved per-accelerator value for " +
                                   member.control(form).name());
        case Kind::RailStyle:
        case Kind::RailStyleRepaint:
            control<ComboBox>(form, member).setItemIndex(value.n);
            form.ApplyRailgunStyle(value.n);
            if (value.kind == Kind::RailStyleRepaint) form.RailPictures.repaint();
            return;
        case Kind::AppendAndSelect: {
            auto& list = control<ComboBox>(form, member);
            list.addItem(std::string(value.text));
            list.setItemIndex(value.n);
            return;
        }
        case Kind::Caption:
            control<Label>(form, member).setCaption(std::string(value.text));
            return;
    }
}

}  // namespace brisko
