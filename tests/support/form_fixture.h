// A main window on a scripted platform, initialised as at start-up, its Save
// button answered by the save as the program wires it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/config_save.h"
#include "config/load_config.h"
#include "settings/form1.h"
#include "support/scripted_platform.h"

namespace brisko::test {

struct FormFixture : ::testing::Test {
    ScriptedPlatform sp;
    ProgramState state;
    TForm1 form{sp.platform, state};
    ConfigSave save{form};

    void SetUp() override {
        InitialiseSettingsWindow(form);
        form.SaveBtn.onClick = [this] { save.SaveBtnClick(); };
    }

    // The (description, cvar line) a page's help panel shows.
    std::pair<std::string, std::string> help(std::uint8_t page) {
        auto panel = form.helpPanel(page);
        return {panel.description.caption(), panel.cvarLine.caption()};
    }

    // Records every caption a label is given from now on.
    std::vector<std::string>& record(Label& label) {
        auto& log = logs_.emplace_back();
        label.onViewSync = [&log, &label] { log.push_back(label.caption()); };
        return log;
    }

  private:
    std::deque<std::vector<std::string>> logs_;
};

// The name of a control of the main window, for the names and messages of tests.
inline std::string nameOf(Member<TForm1> control) {
    static ScriptedPlatform sp;
    static ProgramState state;
    static TForm1 form{sp.platform, state};
    return control.control(form).name();
}

}  // namespace brisko::test
