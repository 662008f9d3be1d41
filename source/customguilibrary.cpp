#include "customguilibrary.h"

#include "entryguard.h"
#include "icustomgui.h"

namespace
{
// Calls op on the gadget behind obj, or answers fallback when obj is not one.
template <typename R, typename Op>
R Forward(void* obj, const char* operation, R fallback, Op&& op)
{
  return GuardEntry(operation, fallback, [&]() -> R {
    iCustomGui* gui = iCustomGui::FromUser(obj);
    return gui ? op(*gui) : fallback;
  });
}

void Hook(void* obj)
{
  Forward(obj, "iCustomGui::Hook()", false, [](iCustomGui& g) {
    g.Hook();
    return true;
  });
}

bool Query12(void* obj)
{
  return Forward(obj, "iCustomGui::Query12()", false, [](iCustomGui& g) { return g.Query12(); });
}

bool Query9(void* obj)
{
  return Forward(obj, "iCustomGui::Query9()", false, [](iCustomGui& g) { return g.Query9(); });
}

bool Query10(void* obj)
{
  return Forward(obj, "iCustomGui::Query10()", false, [](iCustomGui& g) { return g.Query10(); });
}

bool Query13(void* obj)
{
  return Forward(obj, "iCustomGui::Query13()", false, [](iCustomGui& g) { return g.Query13(); });
}

bool Reset(void* obj)
{
  return Forward(obj, "iCustomGui::ResetValues()", false, [](iCustomGui& g) { return g.ResetValues(); });
}

bool SetData(void* obj, const GxaTriState* value)
{
  return Forward(obj, "iCustomGui::SetData()", false,
                 [&](iCustomGui& g) { return g.SetData(TriStateData::FromHost(value)); });
}

bool GetData(void* obj, GxaTriState* out)
{
  return Forward(obj, "iCustomGui::GetData()", false, [&](iCustomGui& g) {
    TriStateData value;
    if (!g.GetData(value))
      return false;
    value.ToHost(out);
    return true;
  });
}

bool SetLayoutMode(void* obj, std::int32_t mode)
{
  return Forward(obj, "iCustomGui::SetLayoutMode()", false, [&](iCustomGui& g) { return g.SetLayoutMode(mode); });
}

std::int32_t LayoutMode(void* obj)
{
  return Forward(obj, "iCustomGui::GetLayoutMode()", std::int32_t(0), [](iCustomGui& g) { return g.GetLayoutMode(); });
}

bool LayoutSwitchSupported(void* obj)
{
  return Forward(obj, "iCustomGui::SupportLayoutSwitch()", false,
                 [](iCustomGui& g) { return g.SupportLayoutSwitch(); });
}

bool ExtraQuery(void* obj)
{
  return Forward(obj, "iCustomGui::ExtraQuery()", false, [](iCustomGui& g) { return g.ExtraQuery(); });
}
}  // namespace

void FillCustomGuiTable(GxaCustomGuiTable& table)
{
  table.hook = &Hook;
  table.query12 = &Query12;
  table.query9 = &Query9;
  table.query10 = &Query10;
  table.query13 = &Query13;
  table.reset = &Reset;
  table.set_data = &SetData;
  table.get_data = &GetData;
  table.set_layout_mode = &SetLayoutMode;
  table.layout_mode = &LayoutMode;
  table.layout_switch_supported = &LayoutSwitchSupported;
  table.extra_query = &ExtraQuery;
}
