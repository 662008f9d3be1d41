// The module's one exported entry: the host hands over its tables, starts
// the module, sends it messages and ends it through gxa_main.
#include <cstdint>
#include <memory>

#include "colorscreenpicker/colorscreenpicker.h"
#include "diagnostics.h"
#include "entryguard.h"
#include "filename.h"
#include "hostaccess.h"
#include "moduleresource.h"
#include "modulestart.h"
#include "registry.h"
#include "swatches/swatchpresettype.h"

extern "C" __attribute__((visibility("default"))) std::int32_t gxa_main(std::int32_t action, void* p1, void* p2,
                                                                        void* p3);

namespace
{
constexpr std::int32_t kHandled = 1;
constexpr std::int32_t kNotHandled = -1;
constexpr std::int32_t kHandOverFailed = -3;
constexpr std::int32_t kInterfaceQueryAnswer = 5;

// Only the first action 1 and the action 3 that brings this back to zero work.
std::int32_t g_startCount = 0;
std::unique_ptr<Filename> g_modulePath;

// The same release runs at library unload and then finds nothing left.
struct ReleaseAtUnload
{
  ~ReleaseAtUnload() { ModuleResource::Release(); }
} g_releaseAtUnload;

std::int32_t HandOver(void* table, void* modulePath)
{
  if (++g_startCount != 1)
    return kHandled;
  const auto* host = static_cast<const GxaHostTable*>(table);
  SetHostTable(host);
  if (!host || host->version < GXA_API_VERSION_MIN || !modulePath)
    return kHandOverFailed;
  auto path = std::make_unique<Filename>(Filename::CopyOf(static_cast<const GxaFilename*>(modulePath)));
  if (!path->IsValid())
    return kHandOverFailed;
  g_modulePath = std::move(path);
  return kHandled;
}

std::int32_t End()
{
  if (g_startCount-- != 1)
    return kHandled;
  ColorScreenPicker::Release();
  ModuleResource::Release();
  g_modulePath.reset();
  return kHandled;
}

bool InitResources(void* data)
{
  if (!g_modulePath || !ModuleResource::Open(ModuleResource::FindFolder(*g_modulePath)))
    return false;
  // The host keeps a cached resource pointer there that is stale now.
  if (data)
    static_cast<GxaModuleMessageData*>(data)->cached = nullptr;
  return true;
}

void RegisterSwatchPresets()
{
  if (!SwatchPresetType::Register())
    DiagnosticOutput("Error: Color Swatch Presets not registered!");
}

bool HandleModuleMessage(std::int32_t id, void* data)
{
  switch (id)
  {
    case GXA_MODMSG_RESOURCES: return InitResources(data);
    case GXA_MODMSG_REGISTER_PRESETS: RegisterSwatchPresets(); return false;
    case GXA_MODMSG_FREE_PRESETS: SwatchPresetType::Free(); return false;
    default: return false;
  }
}

std::int32_t MessageId(void* p1)
{
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p1)));
}
}  // namespace

std::int32_t gxa_main(std::int32_t action, void* p1, void* p2, void* p3)
{
  switch (action)
  {
    case GXA_ACTION_INIT: return GuardEntry("gxa_main(1)", kHandOverFailed, [&] { return HandOver(p1, p3); });
    case GXA_ACTION_START: return GuardEntry("gxa_main(2)", 0, [] { return StartModule() ? 1 : 0; });
    case GXA_ACTION_END: return GuardEntry("gxa_main(3)", kHandled, [] { return End(); });
    case GXA_ACTION_QUERY: return kInterfaceQueryAnswer;
    case GXA_ACTION_MESSAGE:
      return GuardEntry("gxa_main(6)", kNotHandled,
                        [&] { return HandleModuleMessage(MessageId(p1), p2) ? kHandled : kNotHandled; });
    default: return kNotHandled;
  }
}
