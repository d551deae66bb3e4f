#include "SceneLog.h"

#include <iostream>
#include <string>

#include "platform/text/WideString.h"

namespace zvdemo {

namespace {

std::wstring ShowLineBreaks(std::wstring_view text) {
    std::wstring shown;
    for (wchar_t ch : text) {
        if (ch == L'\r') {
            shown += L"\\r";
        } else if (ch == L'\n') {
            shown += L"\\n";
        } else {
            shown += ch;
        }
    }
    return shown;
}

}  // namespace

SceneLog::SceneLog(const std::filesystem::path& file)
    : m_file(file, std::ios::binary), m_folder(file.parent_path()) {}

void SceneLog::Heading(std::wstring_view text) {
    Line();
    Line(text);
    Line(std::wstring(text.size(), L'-'));
}

void SceneLog::Line(std::wstring_view text) {
    const std::string utf8 = zv::ToUtf8(text) + "\n";
    std::cout << utf8;
    m_file << utf8;
}

void SceneLog::Value(std::wstring_view label, std::wstring_view value) {
    Line(std::wstring(label) + L": " + ShowLineBreaks(value));
}

}  // namespace zvdemo
