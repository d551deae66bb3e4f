#pragma once

#include <filesystem>
#include <fstream>
#include <string_view>

namespace zvdemo {

// What a scene shows: each line goes to the console and to the scene's log
// file in the output folder.
class SceneLog {
  public:
    SceneLog(const std::filesystem::path& file);

    bool IsOpen() const { return m_file.is_open(); }
    // The output folder, where a scene may leave files of its own.
    const std::filesystem::path& Folder() const { return m_folder; }

    void Heading(std::wstring_view text);
    void Line(std::wstring_view text = {});
    // A labelled value; line breaks inside the value are shown as \r\n so
    // that each record stays on one line.
    void Value(std::wstring_view label, std::wstring_view value);

  private:
    std::ofstream m_file;
    std::filesystem::path m_folder;
};

}  // namespace zvdemo
