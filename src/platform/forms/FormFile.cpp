#include "platform/forms/FormFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cwchar>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <sstream>
#include <system_error>
#include <type_traits>
#include <vector>

#include "platform/automation/AutomationError.h"
#include "platform/automation/DateTime.h"
#include "platform/forms/Picture.h"  // err::kFileNotFound
#include "platform/text/WideString.h"

namespace zv {

namespace {

constexpr std::size_t kIndent = 3;
constexpr std::size_t kValueColumn = 16;
constexpr std::int32_t kSmallestInteger = -32768;
constexpr std::int32_t kLargestInteger = 32767;
constexpr std::uint32_t kLargestCode = std::numeric_limits<std::make_unsigned_t<wchar_t>>::max();
constexpr std::wstring_view kBlanks = L" \t";
constexpr std::wstring_view kDecimalCharacters = L"0123456789+-.eE";
constexpr std::wstring_view kHexCharacters = L"0123456789ABCDEFabcdef";
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::uint32_t CodeOf(wchar_t ch) {
    return static_cast<std::make_unsigned_t<wchar_t>>(ch);
}

// What a text file holds as it is: no control characters, no surrogate
// halves (they do not survive UTF-8), nothing beyond Unicode.
bool IsPlain(wchar_t ch) {
    const std::uint32_t code = CodeOf(ch);
    return code >= 0x20 && !(code >= 0x7F && code < 0xA0) && !(code >= 0xD800 && code < 0xE000) &&
           code <= 0x10FFFF;
}

// ---- Writing ----

std::wstring Quote(std::wstring_view run) {
    std::wstring quoted = L"\"";
    for (const wchar_t ch : run) {
        quoted += ch == L'"' ? L"\"\"" : std::wstring(1, ch);
    }
    return quoted + L"\"";
}

// Runs of plain characters in quotes, the others as ChrW(n), joined with &.
std::wstring TextLiteral(std::wstring_view text) {
    std::wstring literal;
    for (auto at = text.begin(); at != text.end();) {
        const auto plainEnd = std::find_if_not(at, text.end(), IsPlain);
        literal += literal.empty() ? L"" : L" & ";
        if (plainEnd == at) {
            literal += L"ChrW(" + std::to_wstring(CodeOf(*at++)) + L")";
        } else {
            literal += Quote(std::wstring_view(at, plainEnd));
            at = plainEnd;
        }
    }
    return literal.empty() ? Quote(L"") : literal;
}

// The shortest decimal text that reads back as the same double.
std::wstring ShortestText(double value) {
    char buffer[32];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value);
    return std::wstring(std::begin(buffer), result.ptr);
}

std::wstring DoubleLiteral(double value) {
    const std::wstring text = ShortestText(value);
    return text.find_first_of(L".e") == std::wstring::npos ? text + L"#" : text;
}

std::wstring LongLiteral(std::int32_t value) {
    if (value >= kSmallestInteger) {
        return std::to_wstring(value) + L"&";
    }
    wchar_t buffer[16];
    std::swprintf(buffer, std::size(buffer), L"&H%08X&", static_cast<unsigned>(value));
    return buffer;
}

std::optional<Date> ParseGeneralDate(const std::wstring& text);

std::wstring DateLiteral(Date date) {
    const std::wstring general = FormatGeneralDate(date);
    if (!general.empty() && ParseGeneralDate(general) == date) {
        return L"#" + general + L"#";
    }
    return L"CDate(" + ShortestText(date.Serial) + L")";
}

std::wstring Literal(const Variant& value) {
    switch (value.Type()) {
        case VariantType::Empty:
            return L"Empty";
        case VariantType::Null:
            return L"Null";
        case VariantType::Boolean:  // True is -1, as the bag stores it
        case VariantType::Integer:
            return std::to_wstring(value.ToInt16());
        case VariantType::Long:
            return LongLiteral(value.ToInt32());
        case VariantType::Double:
            return DoubleLiteral(*value.AsNumber());
        case VariantType::Date:
            return DateLiteral(Date{*value.AsNumber()});
        case VariantType::String:
            return TextLiteral(value.ToText());
        case VariantType::Object:
        case VariantType::Array:
            break;
    }
    throw AutomationError(err::kInvalidPropertyValue);
}

void AppendLine(std::wstring& text, std::size_t depth, std::wstring_view line) {
    text.append(depth * kIndent, L' ');
    text += line;
    text += L"\r\n";
}

std::wstring PropertyLine(const std::wstring& name, const Variant& value) {
    std::wstring line = name;
    line.append(name.size() < kValueColumn ? kValueColumn - name.size() : 1, L' ');
    return line + L"=   " + Literal(value);
}

void AppendObject(std::wstring& text, const PropertyBag& bag, std::size_t depth);

// A bag's properties (values and groups) and then its parts.
void AppendBody(std::wstring& text, const PropertyBag& bag, std::size_t depth) {
    for (const PropertyBag::Property& property : bag.Properties()) {
        if (const auto* value = std::get_if<Variant>(&property.content)) {
            AppendLine(text, depth, PropertyLine(property.name, *value));
            continue;
        }
        AppendLine(text, depth, L"BeginProperty " + property.name);
        AppendBody(text, *std::get<std::unique_ptr<PropertyBag>>(property.content), depth + 1);
        AppendLine(text, depth, L"EndProperty");
    }
    for (const auto& child : bag.Children()) {
        AppendObject(text, *child, depth);
    }
}

void AppendObject(std::wstring& text, const PropertyBag& bag, std::size_t depth) {
    AppendLine(text, depth, L"Begin " + bag.TypeName() + L" " + bag.Name());
    AppendBody(text, bag, depth + 1);
    AppendLine(text, depth, L"End");
}

// ---- Reading values ----

// What is wrong with one line; the reader adds its number.
struct LineError {
    std::wstring what;
};

std::wstring Quoted(std::wstring_view text) {
    return L"'" + std::wstring(text) + L"'";
}

// A line being read, from the left.
class Scanner {
  public:
    explicit Scanner(std::wstring_view text) : m_rest(text) {}

    bool AtEnd() {
        SkipBlanks();
        return m_rest.empty();
    }

    wchar_t Peek() {
        SkipBlanks();
        return m_rest.empty() ? L'\0' : m_rest.front();
    }

    // Takes what follows the blanks when it starts with the prefix (compared
    // without regard to case).
    bool Take(std::wstring_view prefix) {
        SkipBlanks();
        return TakeHere(prefix);
    }

    bool Sees(std::wstring_view prefix) {
        SkipBlanks();
        return EqualsNoCase(m_rest.substr(0, prefix.size()), prefix);
    }

    // The same, right here: blanks count.
    bool TakeHere(std::wstring_view prefix) {
        if (!EqualsNoCase(m_rest.substr(0, prefix.size()), prefix)) {
            return false;
        }
        m_rest.remove_prefix(prefix.size());
        return true;
    }

    // The next word: a run up to a blank or '='.
    std::wstring_view Word() {
        SkipBlanks();
        return TakeUntil(m_rest.find_first_of(L" \t="));
    }

    std::wstring_view TakeWhile(std::wstring_view characters) {
        return TakeUntil(m_rest.find_first_not_of(characters));
    }

    // What comes before the next occurrence of the character, which is taken
    // too; nothing when it does not occur.
    std::optional<std::wstring_view> TakeThrough(wchar_t closing) {
        const auto at = m_rest.find(closing);
        if (at == std::wstring_view::npos) {
            return std::nullopt;
        }
        const std::wstring_view taken = TakeUntil(at);
        m_rest.remove_prefix(1);
        return taken;
    }

    std::wstring_view Rest() const { return m_rest; }

  private:
    void SkipBlanks() { TakeWhile(kBlanks); }

    std::wstring_view TakeUntil(std::size_t end) {
        const std::wstring_view taken = m_rest.substr(0, end);
        m_rest.remove_prefix(taken.size());
        return taken;
    }

    std::wstring_view m_rest;
};

// Tokens are made of ASCII characters only, so they narrow as they are.
std::string Narrow(std::wstring_view token) {
    std::string narrow;
    for (const wchar_t ch : token) {
        narrow += static_cast<char>(ch);
    }
    return narrow;
}

std::optional<long long> ParseWhole(std::wstring_view token, int base) {
    const std::string text = Narrow(token);
    long long value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ParseReal(std::wstring_view token) {
    const std::string text = Narrow(token);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

LineError BadNumber(std::wstring_view token) {
    return LineError{L"bad number " + Quoted(token)};
}

// A text piece in quotes, "" standing for a quote.
std::wstring ReadQuoted(Scanner& in) {
    std::wstring text;
    for (;;) {
        const auto piece = in.TakeThrough(L'"');
        if (!piece) {
            throw LineError{L"unterminated text"};
        }
        text += *piece;
        if (!in.TakeHere(L"\"")) {
            return text;
        }
        text += L'"';
    }
}

wchar_t ReadCharacter(Scanner& in) {
    const std::wstring_view digits = in.TakeWhile(L"0123456789");
    const auto code = ParseWhole(digits, 10);
    if (!code || *code > static_cast<long long>(kLargestCode) || !in.TakeHere(L")")) {
        throw LineError{L"bad character code after ChrW("};
    }
    return static_cast<wchar_t>(*code);
}

// Quoted pieces and ChrW(n) joined with &.
Variant ReadText(Scanner& in) {
    std::wstring text;
    do {
        if (in.Take(L"\"")) {
            text += ReadQuoted(in);
        } else if (in.Take(L"ChrW(")) {
            text += ReadCharacter(in);
        } else {
            throw LineError{L"a quoted text or ChrW(n) must follow &"};
        }
    } while (in.Take(L"&"));
    return text;
}

// Integers, Longs (& or out of the Integer range) and Doubles (a point, an
// exponent or #).
Variant ReadNumber(Scanner& in) {
    const std::wstring_view token = in.TakeWhile(kDecimalCharacters);
    if (token.empty()) {
        throw LineError{L"unknown value " + Quoted(in.Rest())};
    }
    if (in.TakeHere(L"#") || token.find_first_of(L".eE") != std::wstring_view::npos) {
        const auto real = ParseReal(token);
        if (!real) {
            throw BadNumber(token);
        }
        return *real;
    }
    const bool isLong = in.TakeHere(L"&");
    const auto whole = ParseWhole(token, 10);
    if (!whole || *whole < std::numeric_limits<std::int32_t>::min() ||
        *whole > std::numeric_limits<std::int32_t>::max()) {
        throw BadNumber(token);
    }
    if (isLong || *whole < kSmallestInteger || *whole > kLargestInteger) {
        return static_cast<std::int32_t>(*whole);
    }
    return static_cast<std::int16_t>(*whole);
}

// &H and up to eight hexadecimal digits, with or without the trailing &: a
// Long.
Variant ReadHex(Scanner& in) {
    const std::wstring_view digits = in.TakeWhile(kHexCharacters);
    in.TakeHere(L"&");
    const auto value = digits.size() <= 8 ? ParseWhole(digits, 16) : std::nullopt;
    if (!value) {
        throw BadNumber(L"&H" + std::wstring(digits));
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(*value));
}

// Three whole numbers of one to four digits with a separator between them.
std::optional<std::array<int, 3>> ThreeNumbers(std::wstring_view text,
                                               std::wstring_view separator) {
    const auto pieces = Split(text, separator);
    if (pieces.size() != 3) {
        return std::nullopt;
    }
    std::array<int, 3> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::wstring& piece = pieces[i];
        if (piece.empty() || piece.size() > 4 ||
            piece.find_first_not_of(L"0123456789") != std::wstring::npos) {
            return std::nullopt;
        }
        numbers[i] = std::stoi(piece);
    }
    return numbers;
}

// The general form that FormatGeneralDate writes, and only that: the date,
// the time with AM or PM, or both.
std::optional<Date> ParseGeneralDate(const std::wstring& text) {
    auto pieces = Split(text, L" ");
    std::array<int, 3> day{12, 30, 1899};  // a time alone is on day zero
    std::array<int, 3> time{0, 0, 0};
    if (Contains(pieces.front(), L'/')) {
        const auto read = ThreeNumbers(pieces.front(), L"/");
        if (!read) {
            return std::nullopt;
        }
        day = *read;
        pieces.erase(pieces.begin());
    }
    if (!pieces.empty()) {
        const auto read = pieces.size() == 2 ? ThreeNumbers(pieces[0], L":") : std::nullopt;
        if (!read || (pieces[1] != L"AM" && pieces[1] != L"PM")) {
            return std::nullopt;
        }
        time = *read;
        time[0] = time[0] % 12 + (pieces[1] == L"PM" ? 12 : 0);
    }
    const Date date = MakeDate(day[2], day[0], day[1], time[0], time[1], time[2]);
    return FormatGeneralDate(date) == text ? std::optional<Date>(date) : std::nullopt;
}

Variant ReadDate(Scanner& in) {
    const auto text = in.TakeThrough(L'#');
    const auto date = text ? ParseGeneralDate(std::wstring(*text)) : std::nullopt;
    if (!date) {
        throw LineError{L"bad date"};
    }
    return *date;
}

Variant ReadSerial(Scanner& in) {
    const std::wstring_view token = in.TakeWhile(kDecimalCharacters);
    const auto serial = ParseReal(token);
    if (!serial || !in.TakeHere(L")")) {
        throw LineError{L"bad date serial " + Quoted(token)};
    }
    return Date{*serial};
}

Variant ReadLiteral(Scanner& in) {
    if (in.Peek() == L'"' || in.Sees(L"ChrW(")) {
        return ReadText(in);
    }
    if (in.Take(L"CDate(")) {
        return ReadSerial(in);
    }
    if (in.Take(L"#")) {
        return ReadDate(in);
    }
    if (in.Take(L"&H")) {
        return ReadHex(in);
    }
    if (in.Take(L"Empty")) {
        return Variant();
    }
    if (in.Take(L"Null")) {
        return Variant::Null();
    }
    return ReadNumber(in);
}

Variant ReadValue(Scanner& in) {
    Variant value = ReadLiteral(in);
    if (!in.AtEnd()) {
        throw LineError{L"unexpected " + Quoted(in.Rest()) + L" after the value"};
    }
    return value;
}

// ---- Reading the structure ----

AutomationError FormatError(std::size_t line, const std::wstring& what) {
    return AutomationError(err::kInvalidFileFormat,
                           L"Invalid file format: line " + std::to_wstring(line) + L": " + what);
}

// Builds the tree a line at a time, with the bags still open on a stack.
class FormReader {
  public:
    std::unique_ptr<PropertyBag> Read(std::wstring_view text);

  private:
    struct OpenBag {
        PropertyBag* bag;
        bool group;
        std::size_t line;
    };

    void ReadLine(std::wstring_view line);
    void Begin(Scanner& in);
    void BeginGroup(Scanner& in);
    void End(Scanner& in, bool group);
    void CheckRoomToNest() const;
    void Open(PropertyBag& bag, bool group);
    PropertyBag& Current();

    std::unique_ptr<PropertyBag> m_root;
    std::vector<OpenBag> m_open;
    std::size_t m_line = 0;
};

std::wstring NameOf(std::wstring_view word) {
    if (!PropertyBag::IsValidName(word)) {
        throw LineError{word.empty() ? L"a name is missing" : Quoted(word) + L" is not a name"};
    }
    return std::wstring(word);
}

void ExpectLineEnd(Scanner& in) {
    if (!in.AtEnd()) {
        throw LineError{L"unexpected " + Quoted(in.Rest())};
    }
}

// The lines of a text, without their CR LF or LF; an empty text is one
// empty line.
std::vector<std::wstring_view> Lines(std::wstring_view text) {
    std::vector<std::wstring_view> lines;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(L'\n', start), text.size());
        const std::wstring_view line = text.substr(start, end - start);
        lines.push_back(line.ends_with(L'\r') ? line.substr(0, line.size() - 1) : line);
        start = end + 1;
    }
    return lines;
}

std::unique_ptr<PropertyBag> FormReader::Read(std::wstring_view text) {
    for (const std::wstring_view line : Lines(text)) {
        ++m_line;
        try {
            ReadLine(line);
        } catch (const LineError& error) {
            throw FormatError(m_line, error.what);
        }
    }
    if (!m_open.empty()) {
        const OpenBag& open = m_open.back();
        throw FormatError(open.line,
                          open.group ? L"BeginProperty without EndProperty" : L"Begin without End");
    }
    if (!m_root) {
        throw FormatError(m_line, L"no Begin");
    }
    return std::move(m_root);
}

void FormReader::ReadLine(std::wstring_view line) {
    Scanner in(line);
    if (in.AtEnd()) {
        return;
    }
    if (m_root && m_open.empty()) {
        throw LineError{L"text after the last End"};
    }
    const std::wstring_view word = in.Word();
    if (in.Take(L"=")) {
        const std::wstring name = NameOf(word);
        Current().StoreProperty(name, ReadValue(in));
    } else if (EqualsNoCase(word, L"Begin")) {
        Begin(in);
    } else if (EqualsNoCase(word, L"BeginProperty")) {
        BeginGroup(in);
    } else if (EqualsNoCase(word, L"End")) {
        End(in, false);
    } else if (EqualsNoCase(word, L"EndProperty")) {
        End(in, true);
    } else {
        throw LineError{L"unknown syntax " + Quoted(line)};
    }
}

void FormReader::Begin(Scanner& in) {
    const std::wstring typeName = NameOf(in.Word());
    const std::wstring name = NameOf(in.Word());
    ExpectLineEnd(in);
    if (!m_root) {
        m_root = std::make_unique<PropertyBag>(typeName, name);
        Open(*m_root, false);
        return;
    }
    CheckRoomToNest();
    Open(Current().AddChild(typeName, name), false);
}

void FormReader::BeginGroup(Scanner& in) {
    const std::wstring name = NameOf(in.Word());
    ExpectLineEnd(in);
    CheckRoomToNest();
    Open(Current().WriteGroup(name), true);
}

void FormReader::End(Scanner& in, bool group) {
    ExpectLineEnd(in);
    if (m_open.empty()) {
        throw LineError{L"End without Begin"};
    }
    if (m_open.back().group != group) {
        throw LineError{group ? L"EndProperty where End was expected"
                              : L"End where EndProperty was expected"};
    }
    m_open.pop_back();
}

// Before a part or group is made: the bags refuse deeper trees.
void FormReader::CheckRoomToNest() const {
    if (m_open.size() >= PropertyBag::kDeepestNesting) {
        throw LineError{L"nested more than " + std::to_wstring(PropertyBag::kDeepestNesting) +
                        L" deep"};
    }
}

void FormReader::Open(PropertyBag& bag, bool group) {
    m_open.push_back(OpenBag{&bag, group, m_line});
}

PropertyBag& FormReader::Current() {
    if (m_open.empty()) {
        throw LineError{L"Begin expected"};
    }
    return *m_open.back().bag;
}

}  // namespace

std::wstring WriteFormText(const PropertyBag& root) {
    std::wstring text;
    AppendObject(text, root, 0);
    return text;
}

std::unique_ptr<PropertyBag> ReadFormText(std::wstring_view text) {
    return FormReader().Read(text);
}

void SaveFormFile(const std::filesystem::path& path, const PropertyBag& root) {
    const std::string bytes = ToUtf8(WriteFormText(root));
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        throw AutomationError(err::kPathFileAccessError, L"Path/File access error");
    }
}

std::unique_ptr<PropertyBag> LoadFormFile(const std::filesystem::path& path) {
    std::error_code error;
    std::ifstream file(path, std::ios::binary);
    if (!std::filesystem::is_regular_file(path, error) || !file) {
        throw AutomationError(err::kFileNotFound, L"File not found");
    }
    std::ostringstream contents;
    contents << file.rdbuf();
    std::string bytes = std::move(contents).str();
    if (bytes.starts_with(kUtf8ByteOrderMark)) {
        bytes.erase(0, kUtf8ByteOrderMark.size());
    }
    return ReadFormText(FromUtf8(bytes));
}

}  // namespace zv
