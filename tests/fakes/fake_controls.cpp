#include "fakes/fake_controls.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace fakes {
namespace {

// The order CompareStringA with NORM_IGNORECASE gives the characters that
// count first: white space, punctuation, digits, then letters without case.
constexpr char kPrimaryOrder[] =
    " \t\n\v\f\r!\"#$%&()*,./:;?@[\\]^_`{|}~+<=>0123456789"
    "abcdefghijklmnopqrstuvwxyz";

unsigned char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a')
                                : static_cast<unsigned char>(c);
}

// How Windows sorts a text (a word sort): control characters, apostrophes
// and hyphens, in this order, do not count at first; between texts that are
// equal without them, the one whose first such character stands later comes
// first. Characters beyond ASCII follow the letters in the order of their
// codes, which is not Windows' order.
// The key: the weights that count first, then (-position, weight) of the
// characters passed over.
using SortKey = std::pair<std::vector<int>, std::vector<std::pair<int, int>>>;

SortKey KeyOf(const std::string& text) {
  SortKey key;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = Lower(text[i]);
    const char* found = std::strchr(kPrimaryOrder, static_cast<char>(c));
    if (c >= 0x80) {
      key.first.push_back(static_cast<int>(sizeof kPrimaryOrder) + c);
    } else if (c != 0 && found != nullptr) {
      key.first.push_back(static_cast<int>(found - kPrimaryOrder));
    } else {
      const int weight = c == '\'' ? 0x80 : c == '-' ? 0x81 : c;
      key.second.emplace_back(-static_cast<int>(i), weight);
    }
  }
  return key;
}

int Compare(const std::string& a, const std::string& b) {
  const SortKey first = KeyOf(a);
  const SortKey second = KeyOf(b);
  if (first < second) return -1;
  return second < first ? 1 : 0;
}

// Where a sorted list box puts a new entry: a binary search that stops at
// the first entry it meets that compares equal, so equal entries do not keep
// the order they were added in.
int SortedPosition(const std::vector<std::string>& items,
                   const std::string& text) {
  int min = 0;
  int max = static_cast<int>(items.size()) - 1;
  while (min <= max) {
    const int middle = (min + max) / 2;
    const int order = Compare(items[middle], text);
    if (order == 0) return middle;
    if (order > 0) {
      max = middle - 1;
    } else {
      min = middle + 1;
    }
  }
  return min;
}

bool StartsWith(const std::string& item, std::size_t from,
                const std::string& prefix) {
  if (item.size() < from + prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (Lower(item[from + i]) != Lower(prefix[i])) return false;
  }
  return true;
}

// The list box also matches a prefix inside the brackets of a directory
// ("[name]") or a drive ("[-c-]") entry.
bool PrefixMatches(const std::string& item, const std::string& prefix) {
  if (StartsWith(item, 0, prefix)) return true;
  if (item.empty() || item[0] != '[') return false;
  return StartsWith(item, 1, prefix) ||
         (item.size() > 1 && item[1] == '-' && StartsWith(item, 2, prefix));
}

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// GetDlgItemInt as Wine's user32 does it: the first 29 characters go to
// msvcrt's strtol or strtoul, which skip white space, take a sign and stop
// at the first character that is no digit. Only a missing number or an
// overflow fails; strtoul negates a negative number modulo 2^32 and answers
// 1 for one beyond its range.
bool ReadWholeNumber(const std::string& text, bool isSigned,
                     long long& value) {
  constexpr std::size_t kRead = 29;
  constexpr unsigned long long kBeyond = 1ULL << 40;
  constexpr long long kUnsignedRange = 1LL << 32;
  const std::string read = text.substr(0, kRead);
  std::size_t i = 0;
  while (i < read.size() && IsSpace(read[i])) ++i;
  bool negative = false;
  if (i < read.size() && (read[i] == '+' || read[i] == '-')) {
    negative = read[i++] == '-';
  }
  const std::size_t digits = i;
  unsigned long long magnitude = 0;
  for (; i < read.size() && read[i] >= '0' && read[i] <= '9'; ++i) {
    if (magnitude < kBeyond) magnitude = magnitude * 10 + (read[i] - '0');
  }
  if (i == digits) return false;
  const long long number =
      negative ? -static_cast<long long>(magnitude)
               : static_cast<long long>(magnitude);
  if (isSigned) {
    if (number < INT32_MIN || number > INT32_MAX) return false;
    value = number;
  } else if (magnitude >= static_cast<unsigned long long>(kUnsignedRange)) {
    if (!negative) return false;
    value = 1;
  } else {
    value = (number + kUnsignedRange) % kUnsignedRange;
  }
  return true;
}

std::logic_error Misuse(int id, const std::string& what) {
  return std::logic_error("control " + std::to_string(id) + ": " + what);
}

}  // namespace

void FakeControls::Declare(int id, ControlKind kind, unsigned style) {
  const bool combo =
      kind == ControlKind::DropDown || kind == ControlKind::DropDownList;
  if ((style & kSorted) && !combo) throw Misuse(id, "only combos sort");
  Control control;
  control.kind = kind;
  control.sorted = (style & kSorted) != 0;
  control.enabled = (style & kDisabled) == 0;
  if (!controls_.emplace(id, control).second) {
    throw Misuse(id, "declared twice");
  }
}

std::optional<int> FakeControls::ButtonBitmap(int id) {
  return Kind(id, ControlKind::PushButton).bitmap;
}

FakeControls::Control& FakeControls::Get(int id) {
  const auto found = controls_.find(id);
  if (found == controls_.end()) throw Misuse(id, "not declared");
  return found->second;
}

FakeControls::Control& FakeControls::Kind(int id, ControlKind kind) {
  Control& control = Get(id);
  if (control.kind != kind) throw Misuse(id, "is of another kind");
  return control;
}

FakeControls::Control& FakeControls::Combo(int id) {
  Control& control = Get(id);
  if (control.kind != ControlKind::DropDown &&
      control.kind != ControlKind::DropDownList) {
    throw Misuse(id, "is no combo box");
  }
  return control;
}

bool FakeControls::IsChecked(int id) {
  return Kind(id, ControlKind::CheckBox).checked;
}

void FakeControls::SetCheck(int id, bool checked) {
  Kind(id, ControlKind::CheckBox).checked = checked;
}

bool FakeControls::IsEnabled(int id) { return Get(id).enabled; }

// Disabling the control with the focus moves the focus on to the next
// enabled control, in the order of the ids, that takes it.
void FakeControls::Enable(int id, bool enabled) {
  Get(id).enabled = enabled;
  if (enabled || focus_ != id) return;
  focus_.reset();
  auto next = controls_.upper_bound(id);
  for (std::size_t left = controls_.size(); left > 0; --left, ++next) {
    if (next == controls_.end()) next = controls_.begin();
    const Control& control = next->second;
    if (control.enabled && control.kind != ControlKind::Static &&
        control.kind != ControlKind::UpDown) {
      focus_ = next->first;
      return;
    }
  }
}

std::string FakeControls::Text(int id) {
  const Control& control = Get(id);
  if (control.kind != ControlKind::DropDownList) return control.text;
  return control.current == kNone ? std::string()
                                  : control.items[control.current];
}

void FakeControls::SetText(int id, const std::string& text) {
  Control& control = Get(id);
  if (control.kind == ControlKind::DropDownList) {
    throw Misuse(id, "a drop-down list has no text of its own");
  }
  control.text = text;
}

bool FakeControls::WholeNumber(int id, bool isSigned, long long& value) {
  return ReadWholeNumber(Text(id), isSigned, value);
}

void FakeControls::Focus(int id) {
  if (Get(id).enabled) focus_ = id;
}

void FakeControls::SetButtonBitmap(int id, int bitmapId) {
  Kind(id, ControlKind::PushButton).bitmap = bitmapId;
}

int FakeControls::AddItem(int id, const std::string& text) {
  Control& combo = Combo(id);
  const int index = combo.sorted ? SortedPosition(combo.items, text)
                                 : static_cast<int>(combo.items.size());
  combo.items.insert(combo.items.begin() + index, text);
  if (combo.current != kNone && index <= combo.current) ++combo.current;
  return index;
}

void FakeControls::ClearItems(int id) {
  Control& combo = Combo(id);
  combo.items.clear();
  combo.current = kNone;
  if (combo.kind == ControlKind::DropDown) combo.text.clear();
}

int FakeControls::ItemCount(int id) {
  return static_cast<int>(Combo(id).items.size());
}

std::string FakeControls::ItemText(int id, int index) {
  const Control& combo = Combo(id);
  if (index < 0 || index >= static_cast<int>(combo.items.size())) return {};
  return combo.items[index];
}

int FakeControls::CurrentIndex(int id) { return Combo(id).current; }

void FakeControls::SetCurrentIndex(int id, int index) {
  Control& combo = Combo(id);
  const bool inRange =
      index >= 0 && index < static_cast<int>(combo.items.size());
  combo.current = inRange ? index : kNone;
  if (combo.kind == ControlKind::DropDown) {
    combo.text = inRange ? combo.items[index] : std::string();
  }
}

int FakeControls::FindPrefix(int id, const std::string& prefix, int after) {
  return Find(id, prefix, after, false);
}

int FakeControls::FindExact(int id, const std::string& text, int after) {
  return Find(id, text, after, true);
}

// The list box starts at the entry after `after`, or at the first one when
// there is none, and wraps round once. It finds nothing for an empty text.
int FakeControls::Find(int id, const std::string& text, int after,
                       bool exact) {
  const std::vector<std::string>& items = Combo(id).items;
  if (after < kNone) throw Misuse(id, "a search cannot start before -1");
  const int count = static_cast<int>(items.size());
  if (text.empty() || count == 0) return kNone;
  const int start = after + 1 < count ? after + 1 : 0;
  for (int step = 0; step < count; ++step) {
    const int index = (start + step) % count;
    const bool found = exact ? Compare(items[index], text) == 0
                             : PrefixMatches(items[index], text);
    if (found) return index;
  }
  return kNone;
}

}  // namespace fakes
