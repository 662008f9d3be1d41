#include "hostservices.h"

#include "hostaccess.h"
#include "hosttext.h"

BaseContainer GetWorldPreferences()
{
  const GxaContainerFns* fns = HostContainers();
  return BaseContainer::Alias(GXA_HAS(fns, world_prefs) ? fns->world_prefs() : nullptr);
}

GxaDocument* GetActiveDocument()
{
  const GxaDocumentFns* docs = HostDocuments();
  return GXA_HAS(docs, active) ? docs->active() : nullptr;
}

BaseContainer GetDocumentData(GxaDocument* doc)
{
  const GxaDocumentFns* docs = HostDocuments();
  return BaseContainer::Alias(doc && GXA_HAS(docs, data) ? docs->data(doc) : nullptr);
}

BaseContainer GetDocumentSettings(GxaDocument* doc)
{
  const GxaDocumentFns* docs = HostDocuments();
  const GxaContainer* settings = doc && GXA_HAS(docs, settings) ? docs->settings(doc) : nullptr;
  // The alias never writes; the copy is what callers keep.
  return BaseContainer(BaseContainer::Alias(const_cast<GxaContainer*>(settings)));
}

std::int32_t GetObjectType(const GxaObject* object)
{
  const GxaDocumentFns* docs = HostDocuments();
  return object && GXA_HAS(docs, object_type) ? docs->object_type(object) : 0;
}

void MarkDocumentChanged(GxaDocument* doc)
{
  const GxaDocumentFns* docs = HostDocuments();
  if (doc && GXA_HAS(docs, mark_changed))
    docs->mark_changed(doc);
}

void PostEvent(std::int32_t id, std::int64_t arg1, std::int64_t arg2)
{
  const GxaEventFns* events = HostEvents();
  if (GXA_HAS(events, post))
    events->post(id, arg1, arg2);
}

bool GetInputState(std::int32_t device, std::int32_t channel, BaseContainer& out)
{
  const GxaInputFns* input = HostInput();
  return out.IsValid() && GXA_HAS(input, get_input_state) && input->get_input_state(device, channel, out.Get());
}

bool IsHotkeyDown(std::int32_t hotkeyId)
{
  const GxaInputFns* input = HostInput();
  return GXA_HAS(input, hotkey_down) && input->hotkey_down(hotkeyId);
}

bool GetIcon(std::int32_t iconId, IconData& out)
{
  const GxaResourceFns* res = HostResources();
  GxaIcon icon{};
  if (!GXA_HAS(res, get_icon) || !res->get_icon(iconId, &icon) || !icon.bitmap)
    return false;
  out = {icon.bitmap, icon.x, icon.y, icon.w, icon.h};
  return true;
}

double GetInterfaceScale()
{
  const GxaResourceFns* res = HostResources();
  const double scale = GXA_HAS(res, interface_scale) ? res->interface_scale() : 1.0;
  return scale > 0.0 ? scale : 1.0;
}

bool GetInterfaceColor(std::int32_t colorId, Vector& out)
{
  const GxaResourceFns* res = HostResources();
  double rgb[3];
  if (!GXA_HAS(res, interface_color) || !res->interface_color(colorId, rgb))
    return false;
  out = {rgb[0], rgb[1], rgb[2]};
  return true;
}

Vector TransformColor(const Vector& color, std::int32_t code)
{
  const GxaColorFns* fns = HostColor();
  const double in[3] = {color.x, color.y, color.z};
  double out[3];
  if (!GXA_HAS(fns, transform) || !fns->transform(code, in, out))
    return color;
  return {out[0], out[1], out[2]};
}

String FormatNumber(double value, std::int32_t unit)
{
  const GxaColorFns* fns = HostColor();
  if (!GXA_HAS(fns, format_number))
    return String::FromFloat(value);
  auto text = ReadHostText([&](char* buf, std::size_t cap) { return fns->format_number(value, unit, buf, cap); });
  return text ? *text : String::FromFloat(value);
}
