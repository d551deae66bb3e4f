#include "util/CmdLineParser.h"

#include "platform/automation/Trapped.h"
#include "platform/text/WideString.h"

namespace zv {

namespace {

constexpr wchar_t kDoubleQuote = L'"';
constexpr wchar_t kSingleQuote = L'\'';
constexpr std::wstring_view kArgumentDelimiter = L",";

// A value that starts a double quote without closing it goes on in the next
// token.
bool OpensQuotedValue(std::wstring_view value) {
    return !value.empty() && value.front() == kDoubleQuote && value.back() != kDoubleQuote;
}

template <typename Values>
std::wstring JoinArgumentValues(const Values& values) {
    std::wstring joined;
    bool first = true;
    for (const Variant& value : values) {
        std::wstring text = value.ToText();
        if (Contains(text, kArgumentDelimiter)) {
            text = kSingleQuote + text + kSingleQuote;
        }
        if (!first) {
            joined += kArgumentDelimiter;
        }
        joined += text;
        first = false;
    }
    return joined;
}

std::wstring FormatArgument(const std::wstring& strCmd, std::wstring joined) {
    if (Contains(joined, L' ')) {
        joined = kDoubleQuote + joined + kDoubleQuote;
    }
    std::wstring argument = L"/" + strCmd;
    if (!joined.empty()) {
        argument += L':' + joined;
    }
    return argument;
}

}  // namespace

std::shared_ptr<ErrorItem> CmdLineParser::LastError() {
    return Trapped(std::shared_ptr<ErrorItem>(), [&] {
        if (!m_lastError) {
            m_lastError = std::make_shared<ErrorItem>();
        }
        return m_lastError;
    });
}

bool CmdLineParser::Load(const std::wstring& strCommandLine) {
    return Trapped(false, [&] {
        std::optional<OpenValue> open;
        for (const std::wstring& token : Split(strCommandLine, L" ")) {
            if (open) {
                ContinueOpenValue(token, open);
            } else if (!LoadToken(token, open)) {
                return false;
            }
        }
        return true;
    });
}

void CmdLineParser::ContinueOpenValue(const std::wstring& token, std::optional<OpenValue>& open) {
    // Inside quotes every blank counts, so empty tokens add theirs too.
    open->text.append(L" ").append(token);
    if (Contains(token, kDoubleQuote)) {
        AddOption(open->name, RemoveAll(open->text, kDoubleQuote));
        open.reset();
    }
}

bool CmdLineParser::LoadToken(const std::wstring& token, std::optional<OpenValue>& open) {
    if (token.empty()) {
        return true;
    }
    const auto colon = token.find(L':');
    if (colon == std::wstring::npos) {
        AddOption(token.substr(1), {});
        return true;
    }
    std::wstring name = colon > 1 ? token.substr(1, colon - 1) : std::wstring();
    if (HasOption(name)) {
        ReportRepeatedOption(name);
        return false;
    }
    std::wstring value = token.substr(colon + 1);
    if (OpensQuotedValue(value)) {
        open = OpenValue{std::move(name), std::move(value)};
    } else {
        AddOption(name, RemoveAll(value, kDoubleQuote));
    }
    return true;
}

void CmdLineParser::ReportRepeatedOption(const std::wstring& name) {
    if (!m_lastError) {
        m_lastError = std::make_shared<ErrorItem>();
    }
    m_lastError->Init(
        L"The command line option '" + name + L"' appears more than once in the command line.",
        errWarning);
}

void CmdLineParser::AddOption(const std::wstring& strOption, const std::wstring& strValue) {
    Trapped([&] {
        if (HasOption(strOption)) {
            return;
        }
        m_optionValues.Add(strValue, strOption);
        try {
            m_optionNames.Add(strOption, strOption);
        } catch (...) {
            m_optionValues.Remove(strOption);  // an option is in both or in neither
            throw;
        }
    });
}

bool CmdLineParser::HasOption(const std::wstring& strOption) const {
    return Trapped(false, [&] { return m_optionNames.Contains(strOption); });
}

std::wstring CmdLineParser::GetOptionValue(const std::wstring& strOption) const {
    return Trapped(std::wstring(), [&] {
        return m_optionValues.Contains(strOption) ? m_optionValues.Item(strOption) : std::wstring();
    });
}

Collection<std::wstring> CmdLineParser::GetOptionValues(const std::wstring& strOption,
                                                        const std::wstring& sDelimiter) const {
    return Trapped(Collection<std::wstring>(), [&] {
        Collection<std::wstring> items;
        const std::wstring value = GetOptionValue(strOption);
        if (value.empty()) {
            return items;
        }
        std::optional<std::wstring> group;  // a single-quoted item that holds delimiters
        for (std::wstring& piece : Split(value, sDelimiter)) {
            if (group) {
                group->append(sDelimiter).append(piece);
                if (Contains(piece, kSingleQuote)) {
                    items.Add(RemoveAll(*group, kSingleQuote));
                    group.reset();
                }
            } else if (piece.starts_with(kSingleQuote)) {
                group = std::move(piece);
            } else {
                items.Add(std::move(piece));
            }
        }
        if (group) {
            items.Add(RemoveAll(*group, kSingleQuote));
        }
        return items;
    });
}

std::wstring CmdLineParser::MakeCmdLineArgument(const std::wstring& strCmd,
                                                std::span<const Variant> vals) {
    return Trapped(std::wstring(),
                   [&] { return FormatArgument(strCmd, JoinArgumentValues(vals)); });
}

std::wstring CmdLineParser::MakeCmdLineArgumentFromCollection(
    const std::wstring& strCmd, const Collection<Variant>* colValues) {
    return Trapped(std::wstring(), [&] {
        if (colValues == nullptr) {
            const Variant missing;
            return MakeCmdLineArgument(strCmd, {&missing, 1});
        }
        return FormatArgument(strCmd, JoinArgumentValues(*colValues));
    });
}

}  // namespace zv
