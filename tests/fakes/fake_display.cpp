#include "fakes/fake_display.h"

namespace fakes {
namespace {

bool SameDepthAndSize(const os::DisplayMode& a, const os::DisplayMode& b) {
  return a.bitsPerPixel == b.bitsPerPixel && a.width == b.width &&
         a.height == b.height;
}

bool Matches(const os::DisplayMode& pattern, const os::DisplayMode& mode) {
  return SameDepthAndSize(pattern, mode) &&
         (pattern.frequency == 0 || pattern.frequency == mode.frequency);
}

}  // namespace

std::vector<os::DisplayMode> WineDesktopModes() {
  static const std::uint32_t kSizes[][2] = {
      {320, 200},  {320, 240},  {400, 300},  {512, 384},  {640, 400},
      {640, 480},  {768, 576},  {800, 600},  {1024, 768}, {1152, 864},
      {1280, 720}, {1280, 800}, {1280, 960}, {1280, 1024}};
  std::vector<os::DisplayMode> modes;
  for (std::uint32_t depth : {32u, 16u, 8u})
    for (const auto& size : kSizes)
      modes.push_back({depth, size[0], size[1], 60});
  return modes;
}

bool FakeDisplay::ModeAt(int index, os::DisplayMode& mode) {
  if (index < 0 || static_cast<std::size_t>(index) >= modes.size())
    return false;
  mode = modes[index];
  return true;
}

long FakeDisplay::Change(const os::DisplayMode& mode, os::ModeFields fields,
                         os::ChangeFlags flags) {
  calls.push_back({mode, fields, flags});
  if (!Accepts(mode, fields)) return os::display_change::kBadMode;
  if (flags == os::ChangeFlags::Test) return os::display_change::kSuccessful;
  for (const FailingChange& failure : failing) {
    if (failure.flags != flags || !Matches(failure.mode, mode)) continue;
    if (failure.result == os::display_change::kRestart &&
        flags == os::ChangeFlags::Store)
      stored = mode;
    return failure.result;
  }
  screen = {static_cast<int>(mode.bitsPerPixel), static_cast<int>(mode.width),
            static_cast<int>(mode.height)};
  if (flags == os::ChangeFlags::Store) stored = mode;
  return os::display_change::kSuccessful;
}

std::vector<DisplayChange> FakeDisplay::Changes() const {
  std::vector<DisplayChange> changes;
  for (const DisplayChange& call : calls)
    if (call.flags != os::ChangeFlags::Test) changes.push_back(call);
  return changes;
}

bool FakeDisplay::Accepts(const os::DisplayMode& mode,
                          os::ModeFields fields) const {
  const bool withFrequency = fields == os::ModeFields::WithFrequency;
  for (const os::DisplayMode& refusal : refused)
    if (Matches(refusal, mode)) return false;
  for (const os::DisplayMode& listed : modes)
    if (SameDepthAndSize(listed, mode) &&
        (!withFrequency || listed.frequency == mode.frequency))
      return true;
  return false;
}

}  // namespace fakes
