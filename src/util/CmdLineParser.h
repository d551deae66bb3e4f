#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "errors/ErrorItem.h"
#include "platform/automation/Collection.h"
#include "platform/automation/Variant.h"

namespace zv {

// Reads a host's command line into named options with text values, and builds
// option arguments for command lines handed to other programs.
//
// An option is a token of one switch character (any), the option name and,
// optionally, a colon and a value: /out:file. A value with blanks is enclosed
// in double quotes; a list value separates its items with a delimiter, and an
// item that holds the delimiter is enclosed in single quotes.
// Option names compare without regard to case; values keep theirs.
class CmdLineParser {
  public:
    // Properties

    // The record of the last failure; created on first use.
    std::shared_ptr<ErrorItem> LastError();

    // The option names as written, in the order they were added, keyed by name.
    const Collection<std::wstring>& OptionNames() const noexcept { return m_optionNames; }

    // Operations

    // Adds the options of the command line to those already read. Fails (false,
    // with a warning in LastError) at the first option that repeats one with a
    // value; the options read before it remain. A repeated option without a
    // value is ignored, and so is a quoted value left open at the end.
    bool Load(const std::wstring& strCommandLine);

    // Adds the option unless one of that name exists; an existing one is kept.
    void AddOption(const std::wstring& strOption, const std::wstring& strValue);

    bool HasOption(const std::wstring& strOption) const;

    // The option's value; empty when the option is absent or has none.
    std::wstring GetOptionValue(const std::wstring& strOption) const;

    // The items of the option's list value, in order, with the single quotes
    // of quoted items taken out; empty when the value is. A quoted item left
    // open runs to the end of the value.
    Collection<std::wstring> GetOptionValues(const std::wstring& strOption,
                                             const std::wstring& sDelimiter = L",") const;

    // "/strCmd:v1,v2,..." from the values as text, quoted as Load reads them;
    // "/strCmd" alone when the joined values are empty.
    static std::wstring MakeCmdLineArgument(const std::wstring& strCmd,
                                            std::span<const Variant> vals);

    // The same from a collection; a missing collection counts as one empty value.
    static std::wstring MakeCmdLineArgumentFromCollection(const std::wstring& strCmd,
                                                          const Collection<Variant>* colValues);

  private:
    // A double-quoted value that runs on over the following tokens.
    struct OpenValue {
        std::wstring name;
        std::wstring text;
    };

    bool LoadToken(const std::wstring& token, std::optional<OpenValue>& open);
    void ContinueOpenValue(const std::wstring& token, std::optional<OpenValue>& open);
    void ReportRepeatedOption(const std::wstring& name);

    std::shared_ptr<ErrorItem> m_lastError;
    Collection<std::wstring> m_optionNames;   // keyed by name
    Collection<std::wstring> m_optionValues;  // keyed by name
};

}  // namespace zv
