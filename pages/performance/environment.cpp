#include "pages/performance/environment.h"

#include "store/delete.h"
#include "store/names.h"

namespace performance {

void ApplyEnvironment(os::Services& services, const Choices& choices,
                      bool write) {
  constexpr os::Root kUser = os::Root::CurrentUser;
  SwitchStates boxes = D3DStates(choices);
  for (const auto& state : GlideStates(choices)) boxes.push_back(state);
  if (write)
    ApplySwitches(services.registry, kUser, names::kEnvironment, boxes,
                  nullptr);
  else
    DeleteValues(services.registry, kUser, names::kEnvironment,
                 SwitchNames(boxes));
  services.shell.BroadcastSettingChange(names::kEnvironment, os::kBroadcastTimeout);
}

}  // namespace performance
