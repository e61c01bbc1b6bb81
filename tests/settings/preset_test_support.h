// Helpers for the preset tests: counting the control reactions that run, the
// items of the renderer lists, and choosing an accelerator as the user does.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "settings/form1.h"
#include "support/form_snapshot.h"

namespace brisko::test {

// The items the accelerator profiles leave in the renderer lists.
using Items = std::vector<std::string>;
// A card's full list, on the scripted screen of 1024x768.
inline const Items kResolutions = {"400x300",   "512x384",   "640x480",   "800x600",
                                   "960x720",   "1024x768",  "1152x864",  "1280x1024",
                                   "1600x1200", "2048x1536", "1280x720",  "1366x768",
                                   "1600x900",  "1920x1080", "1920x1200", "2560x1080",
                                   "2560x1440", "3440x1440", "3840x2160", "Desktop (1024x768)"};
inline const Items kTwoShadows = {"No Shadows", "Ordinary Shadows"};
inline const Items kFourShadows = {"No Shadows", "Ordinary Shadows", "Stencil Buffer Shadows",
                                   "Very Dark Stencil Buffer Shadows"};
inline const Items kTwoDepths = {"Default", "16-bit"};
inline const Items kThreeDepths = {"Default", "16-bit", "32-bit"};

// Counts every reaction of a check box, radio button, slider or text field from
// now on, by the control's name, in the order they run.
inline std::shared_ptr<std::vector<std::string>> logReactions(TForm1& form) {
    auto log = std::make_shared<std::vector<std::string>>();
    auto wrap = [&log](Reaction& reaction, const std::string& name) {
        reaction = [log, name, inner = reaction] {
            log->push_back(name);
            if (inner) inner();
        };
    };
    for (Control* control : form.controls()) {
        if (auto* box = dynamic_cast<CheckBox*>(control)) wrap(box->onClick, box->name());
        if (auto* radio = dynamic_cast<RadioButton*>(control)) wrap(radio->onClick, radio->name());
        if (auto* slider = dynamic_cast<Slider*>(control)) wrap(slider->onChange, slider->name());
        if (auto* field = dynamic_cast<TextField*>(control)) wrap(field->onChange, field->name());
    }
    return log;
}

// Opens the accelerator list and picks the card with this text.
inline void chooseAccelerator(TForm1& form, const std::string& card) {
    form.Accelerator.userOpen();
    const auto& items = form.Accelerator.items();
    for (int i = 0; i < form.Accelerator.count(); ++i)
        if (items[static_cast<std::size_t>(i)] == card) return form.Accelerator.userSelect(i);
    ADD_FAILURE() << "no accelerator " << card;
}

}  // namespace brisko::test
