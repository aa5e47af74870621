#pragma once

#include <QString>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "app/GuiFixture.h"
#include "qt/dialogs/TOptionsDialog.h"

// The main window started on a settings file the test writes first, with the options dialog
// in place as the game has it.
class PreparedGuiFixture : public GuiFixture {
  protected:
    void SetUp() override {
        options = std::make_unique<TOptionsDialog>();
        OptionsDialog = options.get();
    }
    void TearDown() override {
        GuiFixture::TearDown();
        OptionsDialog = nullptr;
    }
    void StartWith(const std::string& file) {
        ASSERT_TRUE(folder.isValid());
        std::ofstream(SettingsFilePath().toStdString(), std::ios::binary) << file;
        GuiFixture::SetUp();
    }
    QString SettingsFilePath() const { return folder.filePath("settings.ini"); }

    static std::string Contents(const QString& path) {
        std::ifstream in(path.toStdString(), std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }

    std::unique_ptr<TOptionsDialog> options;
};
