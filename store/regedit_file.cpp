#include "store/regedit_file.h"

#include <cstdio>
#include <cstring>

namespace regedit {
namespace {

constexpr char kHeader[] = "REGEDIT4";
constexpr char kLineEnd[] = "\r\n";
constexpr char kMachineRoot[] = "HKEY_LOCAL_MACHINE";
constexpr char kUserRoot[] = "HKEY_CURRENT_USER";
constexpr char kAbsentMark[] = "=-";
constexpr char kDwordForm[] = "dword:";
constexpr char kBinaryForm[] = "hex:";
constexpr char kTypedForm[] = "hex(";
// Where the registry editor breaks a hex list: a line goes on past this
// column only to end its byte.
constexpr std::size_t kHexLineWidth = 76;
constexpr char kHexContinued[] = "\\";
constexpr char kHexIndent[] = "  ";

const char* RootName(os::Root root) {
  return root == os::Root::CurrentUser ? kUserRoot : kMachineRoot;
}

std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

std::string NameField(const std::string& name) {
  return name.empty() ? "@" : Quoted(name);
}

// A text the quoted form gives back byte for byte: one zero at its end, no
// other, and no control character that would break the line.
bool QuotableText(const RawValue& value) {
  const auto& bytes = value.bytes;
  if (value.type != os::ValueType::Text || bytes.empty() || bytes.back() != 0)
    return false;
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
    if (bytes[i] < 0x20) return false;
  return true;
}

std::string HexList(std::string line, const std::vector<unsigned char>& bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char byte[4];
    std::snprintf(byte, sizeof byte, "%02x", bytes[i]);
    line += byte;
    if (i + 1 == bytes.size()) break;
    line += ',';
    if (line.size() > kHexLineWidth) {
      out += line + kHexContinued + kLineEnd;
      line = kHexIndent;
    }
  }
  return out + line;
}

std::string ValueLine(const Entry& entry) {
  const std::string head = NameField(entry.name) + "=";
  const RawValue& value = entry.value;
  if (QuotableText(value)) {
    const auto* text = reinterpret_cast<const char*>(value.bytes.data());
    return head + Quoted(std::string(text, value.bytes.size() - 1));
  }
  if (value.type == os::ValueType::Dword && value.bytes.size() == 4) {
    char number[16];
    std::snprintf(number, sizeof number, "%02x%02x%02x%02x", value.bytes[3],
                  value.bytes[2], value.bytes[1], value.bytes[0]);
    return head + kDwordForm + number;
  }
  if (value.type == os::ValueType::Binary)
    return HexList(head + kBinaryForm, value.bytes);
  char form[24];
  std::snprintf(form, sizeof form, "%s%x):", kTypedForm,
                static_cast<unsigned>(value.type));
  return HexList(head + form, value.bytes);
}

// Reading: one line at a time, `at` moving over what was understood.
class LineReader {
 public:
  explicit LineReader(const std::string& line) : line_(line) {}

  bool Take(const char* text) {
    const std::size_t length = std::strlen(text);
    if (line_.compare(at_, length, text) != 0) return false;
    at_ += length;
    return true;
  }
  bool AtEnd() const { return at_ == line_.size(); }
  std::string Rest() const { return line_.substr(at_); }

  // A quoted text with \\ and \" escaped.
  bool Quoted(std::string& text) {
    if (!Take("\"")) return false;
    text.clear();
    while (at_ < line_.size()) {
      char c = line_[at_++];
      if (c == '"') return true;
      if (c == '\\') {
        if (at_ == line_.size()) return false;
        c = line_[at_++];
        if (c != '\\' && c != '"') return false;
      }
      text += c;
    }
    return false;
  }
  bool Name(std::string& name) {
    if (Take("@")) {
      name.clear();
      return true;
    }
    return Quoted(name) && !name.empty();
  }

 private:
  const std::string& line_;
  std::size_t at_ = 0;
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// One to `most` hex digits, the whole text.
bool HexNumber(const std::string& text, std::size_t most, std::uint32_t& n) {
  if (text.empty() || text.size() > most) return false;
  n = 0;
  for (char c : text) {
    const int digit = HexDigit(c);
    if (digit < 0) return false;
    n = n * 16 + static_cast<std::uint32_t>(digit);
  }
  return true;
}

// "01,02,ff": two digits a byte, a comma between; an empty list is none.
bool HexBytes(const std::string& text, std::vector<unsigned char>& bytes) {
  bytes.clear();
  if (text.empty()) return true;
  for (std::size_t at = 0;; at += 3) {
    std::uint32_t byte = 0;
    if (at + 2 > text.size() || !HexNumber(text.substr(at, 2), 2, byte))
      return false;
    bytes.push_back(static_cast<unsigned char>(byte));
    if (at + 2 == text.size()) return true;
    if (text[at + 2] != ',') return false;
  }
}

bool Data(LineReader& reader, RawValue& value) {
  std::string text;
  if (reader.Quoted(text)) {
    if (!reader.AtEnd()) return false;
    value.type = os::ValueType::Text;
    value.bytes.assign(text.begin(), text.end());
    value.bytes.push_back(0);
    return true;
  }
  if (reader.Take(kDwordForm)) {
    std::uint32_t number = 0;
    if (!HexNumber(reader.Rest(), 8, number)) return false;
    value.type = os::ValueType::Dword;
    value.bytes.resize(4);
    std::memcpy(value.bytes.data(), &number, 4);
    return true;
  }
  if (reader.Take(kBinaryForm)) {
    value.type = os::ValueType::Binary;
    return HexBytes(reader.Rest(), value.bytes);
  }
  if (!reader.Take(kTypedForm)) return false;
  const std::string rest = reader.Rest();
  const std::size_t close = rest.find("):");
  std::uint32_t type = 0;
  if (close == std::string::npos || !HexNumber(rest.substr(0, close), 8, type))
    return false;
  value.type = static_cast<os::ValueType>(type);
  return HexBytes(rest.substr(close + 2), value.bytes);
}

bool KeyLine(const std::string& line, Entry& current) {
  if (line.size() < 3 || line.back() != ']') return false;
  const std::string full = line.substr(1, line.size() - 2);
  const std::size_t slash = full.find('\\');
  if (slash == std::string::npos || slash + 1 == full.size()) return false;
  const std::string root = full.substr(0, slash);
  if (root == kMachineRoot)
    current.root = os::Root::LocalMachine;
  else if (root == kUserRoot)
    current.root = os::Root::CurrentUser;
  else
    return false;
  current.key = full.substr(slash + 1);
  return true;
}

// Splits the text into lines, CR LF or LF ended.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    at = end + 1;
  }
  return lines;
}

bool Blank(const std::string& line) {
  return line.find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

std::string Write(const std::vector<Entry>& entries) {
  std::string text = std::string(kHeader) + kLineEnd;
  const Entry* previous = nullptr;
  for (const Entry& entry : entries) {
    if (previous == nullptr || previous->root != entry.root ||
        previous->key != entry.key)
      text += std::string(kLineEnd) + "[" + RootName(entry.root) + "\\" +
              entry.key + "]" + kLineEnd;
    previous = &entry;
    if (entry.present)
      text += ValueLine(entry) + kLineEnd;
    else
      text += ";" + NameField(entry.name) + kAbsentMark + kLineEnd;
  }
  return text + kLineEnd;
}

bool Read(const std::string& text, std::vector<Entry>& entries,
          Problem& problem) {
  const std::vector<std::string> lines = Lines(text);
  entries.clear();
  const auto fail = [&](int line, const char* what) {
    problem = {line, what};
    return false;
  };
  if (lines.empty() || lines.front() != kHeader)
    return fail(1, "not a REGEDIT4 registry file");
  Entry current;
  bool inKey = false;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const int number = static_cast<int>(i + 1);
    std::string line = lines[i];
    if (Blank(line)) continue;
    if (line[0] == '[') {
      if (!KeyLine(line, current)) return fail(number, "malformed key line");
      inKey = true;
      continue;
    }
    const bool absent =
        line.compare(0, 2, ";\"") == 0 || line.compare(0, 2, ";@") == 0;
    if (line[0] == ';' && !absent) continue;
    if (!inKey) return fail(number, "value before any key");
    // A hex list goes on in the lines that the one before ends with "\".
    while (line.back() == '\\' && line.find("=hex") != std::string::npos &&
           i + 1 < lines.size()) {
      line.pop_back();
      const std::string& next = lines[++i];
      line += next.substr(next.find_first_not_of(" \t") == std::string::npos
                              ? next.size()
                              : next.find_first_not_of(" \t"));
    }
    Entry entry = current;
    entry.line = number;
    entry.present = !absent;
    LineReader reader(line);
    if (absent) reader.Take(";");
    if (!reader.Name(entry.name) || !reader.Take("="))
      return fail(number, "malformed value line");
    if (absent ? !(reader.Take("-") && reader.AtEnd())
               : !Data(reader, entry.value))
      return fail(number, "malformed value line");
    entries.push_back(entry);
  }
  return true;
}

}  // namespace regedit
