// Helpers for the config writer's tests: temporary folders with real files, the
// window put in a known state, and saves run as the user runs them.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "support/form_fixture.h"
#include "support/temp_tree.h"

namespace brisko::test {

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);
std::string goldenFile(const std::string& name);  // bytes of tests/config/golden/<name>

// Drops root to the user and group "nobody" (65534); false when that fails.
bool becomeNobody();

// A control set to a value: check box or radio button 1 (checked) or 0, list
// index (-1: no selection), slider position.
struct Setting {
    Member<TForm1> control;
    int value;
};
void applySettings(TForm1& form, std::span<const Setting> settings);

// The window state of the first golden file, and of the second.
std::span<const Setting> stateA();
std::span<const Setting> stateB();

// The lines of a file as written, split at CR LF.
std::vector<std::string> crlfLines(const std::string& bytes);

// A main window whose current config is a real file in a temporary folder.
struct WriterFixture : FormFixture {
    TempTree folder;
    std::string config = folder.path("q3config.cfg");

    void useConfig(const std::string& bytes, const std::string& name = "q3config.cfg");
    // Clicks SaveBtn as the user does; an unhandled error becomes its error box.
    void save();
    std::vector<std::string> boxes() const { return sp.messages.texts(); }
    std::string backup() const { return folder.path("Tamblin.backup"); }
};

}  // namespace brisko::test
