#include "colorchooserdata.h"

#include <memory>
#include <new>

#include "colorchoosergui.h"

namespace
{
// The description flags a colour parameter may carry; each ID is one bit of
// the chooser flags ('cfld').
const GxaPropertyRow kProperties[] = {
    {1, 0x8, "ICC_BASEDOCUMENT"},
    {1, 0x10, "ICC_VXTEXTURE"},
    {1, 0x1, "NOBRIGHTNESS"},
    {1, 0x2, "NOCOLOR"},
    {1, 0x20, "NOMODEBUTTONS"},
    {1, 0x2000000, "NOCOMPACT"},
    {1, 0x40, "NOCOLORWHEEL"},
    {1, 0x80, "NOSPECTRUM"},
    {1, 0x100, "NOPICTURE"},
    {1, 0x200, "NORGB"},
    {1, 0x400, "NOHSV"},
    {1, 0x800, "NOKELVIN"},
    {1, 0x1000, "NOMIXER"},
    {1, 0x2000, "NOSWATCHES"},
    {1, 0x4000, "NOSCREENPICKER"},
    {1, 0x4000000, "ENABLECOMPACT"},
    {1, 0x8000, "ENABLECOLORWHEEL"},
    {1, 0x10000, "ENABLESPECTRUM"},
    {1, 0x20000, "ENABLEPICTURE"},
    {1, 0x40000, "ENABLERGB"},
    {1, 0x80000, "ENABLEHSV"},
    {1, 0x100000, "ENABLEKELVIN"},
    {1, 0x200000, "ENABLEMIXER"},
    {1, 0x400000, "ENABLESWATCHES"},
    {1, 0x800000, "HIDEHEX"},
    {0, 0, nullptr},
};

// The colour type and the colour with alpha.
const std::int32_t kServedTypes[] = {3, GXA_TYPE_COLORALPHA};
}  // namespace

std::int32_t ColorChooserGuiData::GetId()
{
  return kColorChooserPluginId;
}

GxaDialog* ColorChooserGuiData::Alloc(const BaseContainer& settings, GxaPluginRecord* record)
{
  std::unique_ptr<ColorChooserGui> gui(new (std::nothrow) ColorChooserGui(settings, record));
  if (!gui || !gui->GetHandle())
    return nullptr;
  // The host gives the object back through Free.
  return gui.release()->GetHandle();
}

void ColorChooserGuiData::Free(GxaDialog* dialog, void* object)
{
  if (dialog && object)
    delete static_cast<GeDialog*>(object);
}

const char* ColorChooserGuiData::GetResourceSym()
{
  return "COLOR";
}

const GxaPropertyRow* ColorChooserGuiData::GetProperties()
{
  return kProperties;
}

std::int32_t ColorChooserGuiData::GetResourceDataType(const std::int32_t*& table)
{
  table = kServedTypes;
  return static_cast<std::int32_t>(std::size(kServedTypes));
}
