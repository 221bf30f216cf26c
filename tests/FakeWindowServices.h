#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "shell/window/MainWindowModel.h"

namespace brambex::test {

// Dialogs answered by the test; messages collected.
class FakeServices : public WindowServices {
public:
    std::function<std::optional<std::filesystem::path>(const std::filesystem::path&)> savePath = [](const std::filesystem::path&) { return std::nullopt; };
    std::function<std::optional<std::filesystem::path>(const std::filesystem::path&)> loadPath = [](const std::filesystem::path&) { return std::nullopt; };
    std::function<bool(bool&, bool&)> settings = [](bool&, bool&) { return false; };
    std::vector<UserError> messages;
    std::vector<UserError> questions;
    bool answer = true;  // what every question is answered
    SaveChoice saveChoice = SaveChoice::Cancel;  // the answer to "save the changes?"
    int saveQuestions = 0;
    int editorRuns = 0, aboutRuns = 0, quits = 0;
    std::optional<std::string> mapCode;  // what "Map from Code" is given

    std::optional<std::filesystem::path> askSavePath(const std::filesystem::path& proposed) override { return savePath(proposed); }
    std::optional<std::filesystem::path> askLoadPath(const std::filesystem::path& folder) override { return loadPath(folder); }
    void showMessage(const UserError& m) override { messages.push_back(m); }
    bool confirm(const UserError& q) override {
        questions.push_back(q);
        return answer;
    }
    SaveChoice askSaveChanges(const std::string&) override {
        ++saveQuestions;
        return saveChoice;
    }
    void runEditor(MapEditorModel& editor) override {
        ++editorRuns;
        if (onEditor) onEditor(editor);
    }
    // What the user does in the editor dialog (nothing when unset).
    std::function<void(MapEditorModel&)> onEditor;
    void runAbout() override { ++aboutRuns; }
    bool runSettings(bool& removeBackground, bool& useModule) override { return settings(removeBackground, useModule); }
    std::optional<std::string> askMapCode() override { return mapCode; }
    void quit() override { ++quits; }
};

}  // namespace brambex::test
