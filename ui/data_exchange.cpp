#include "ui/data_exchange.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "ui/app_message.h"

namespace ui {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

DataExchange::DataExchange(Controls& controls, os::Services& services,
                           bool save)
    : controls_(controls), services_(services), save_(save) {}

void DataExchange::Number(int id, double& member) {
  if (failed_) return;
  if (!save_) {
    controls_.SetText(id, FormatNumber(member));
    return;
  }
  double value = 0;
  if (!ParseNumber(controls_.Text(id), value)) {
    AppMessageBox(services_, kNotANumberMessage);
    controls_.Focus(id);
    failed_ = true;
    return;
  }
  member = value;
}

std::string FormatNumber(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*g", 15, value);
  return text;
}

bool ParseNumber(const std::string& text, double& value) {
  const char* start = text.c_str();
  while (IsBlank(*start)) ++start;
  // Only plain decimal numbers: no hexadecimal, infinity or NaN forms.
  for (const char* c = start; *c != '\0' && !IsBlank(*c); ++c) {
    if (std::isalpha(static_cast<unsigned char>(*c)) && *c != 'e' && *c != 'E')
      return false;
  }
  char* end = nullptr;
  const double parsed = std::strtod(start, &end);
  if (end == start || !std::isfinite(parsed)) return false;
  while (IsBlank(*end)) ++end;
  if (*end != '\0') return false;
  value = parsed;
  return true;
}

}  // namespace ui
